// Draws the program icon (a white check mark on a blue square) and writes it
//   icongen <output-dir>             as oro.ico (bevelled) and oro_flach.ico (flat)
//   icongen --png <file.png> <size>  as a bevelled PNG for the desktop icon theme
// The output depends on nothing but the arguments, so the committed icons can
// be compared byte for byte with a fresh run.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int Size = 32;

// Indices into the classic 16-colour Windows palette.
enum Colour : std::uint8_t { DarkBlue = 4, Blue = 12, White = 15 };

struct Rgb
{
    std::uint8_t r, g, b;
};

constexpr std::array<Rgb, 16> palette = {{
    {0x00, 0x00, 0x00}, {0x80, 0x00, 0x00}, {0x00, 0x80, 0x00}, {0x80, 0x80, 0x00},
    {0x00, 0x00, 0x80}, {0x80, 0x00, 0x80}, {0x00, 0x80, 0x80}, {0xC0, 0xC0, 0xC0},
    {0x80, 0x80, 0x80}, {0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0xFF, 0xFF, 0x00},
    {0x00, 0x00, 0xFF}, {0xFF, 0x00, 0xFF}, {0x00, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF},
}};

// Palette indices, row 0 at the top.
using Picture = std::array<std::array<std::uint8_t, Size>, Size>;

// One arm of the check mark: a band of fixed width per row whose left edge
// slides linearly from firstLeft (in firstRow) to lastLeft (in lastRow).
struct Arm
{
    int firstRow, lastRow;
    double firstLeft, lastLeft;
    int width;

    bool covers(int row, int column) const
    {
        if (row < firstRow || row > lastRow)
            return false;
        const double t = double(row - firstRow) / (lastRow - firstRow);
        const int left = int(firstLeft + t * (lastLeft - firstLeft) + 0.5);
        return column >= left && column < left + width;
    }
};

// The long arm runs from the top right down to the bottom centre, the short
// one from the left down to meet it around row 21.
constexpr Arm longArm{5, 27, 20, 10, 8};
constexpr Arm shortArm{17, 27, 4, 8, 7};

Picture drawFlat()
{
    Picture picture{};
    for (int row = 0; row < Size; ++row)
        for (int column = 0; column < Size; ++column)
            picture[row][column] = longArm.covers(row, column) || shortArm.covers(row, column)
                    ? White : Blue;
    return picture;
}

// A raised 2-pixel frame: light from the top left, dark to the bottom right.
// Each frame pixel takes the colour of its nearest edge; ties (the diagonal
// through the top-right and bottom-left corners) go to the dark side.
Picture drawBevelled()
{
    constexpr int bevel = 2;
    Picture picture = drawFlat();
    for (int row = 0; row < Size; ++row) {
        for (int column = 0; column < Size; ++column) {
            const int lightEdge = std::min(row, column);
            const int darkEdge = std::min(Size - 1 - row, Size - 1 - column);
            if (std::min(lightEdge, darkEdge) < bevel)
                picture[row][column] = lightEdge < darkEdge ? White : DarkBlue;
        }
    }
    return picture;
}

void put16(std::vector<std::uint8_t> &out, unsigned value)
{
    out.push_back(std::uint8_t(value));
    out.push_back(std::uint8_t(value >> 8));
}

void put32(std::vector<std::uint8_t> &out, std::uint32_t value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

void put32BigEndian(std::vector<std::uint8_t> &out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(std::uint8_t(value >> shift));
}

// Windows ICO: a directory with one entry, then a 4-bit DIB whose height
// counts the colour rows and the transparency mask together.
std::vector<std::uint8_t> encodeIco(const Picture &picture)
{
    constexpr std::uint32_t headerBytes = 40;
    constexpr std::uint32_t paletteBytes = 16 * 4;
    constexpr std::uint32_t pixelBytes = Size * Size / 2;
    constexpr std::uint32_t maskBytes = Size * Size / 8; // rows are already 4-byte aligned
    constexpr std::uint32_t imageBytes = headerBytes + paletteBytes + pixelBytes + maskBytes;
    constexpr std::uint32_t imageOffset = 6 + 16;

    std::vector<std::uint8_t> out;
    put16(out, 0); // reserved
    put16(out, 1); // icon, not cursor
    put16(out, 1); // image count

    out.push_back(Size);
    out.push_back(Size);
    out.push_back(16); // colours
    out.push_back(0);  // reserved
    put16(out, 1);     // planes
    put16(out, 4);     // bits per pixel
    put32(out, imageBytes);
    put32(out, imageOffset);

    put32(out, headerBytes);
    put32(out, Size);
    put32(out, 2 * Size);
    put16(out, 1); // planes
    put16(out, 4); // bits per pixel
    put32(out, 0); // uncompressed
    put32(out, pixelBytes + maskBytes);
    put32(out, 0); // horizontal resolution
    put32(out, 0); // vertical resolution
    put32(out, 0); // colours used: all
    put32(out, 0); // important colours: all

    for (const Rgb &colour : palette) {
        out.push_back(colour.b);
        out.push_back(colour.g);
        out.push_back(colour.r);
        out.push_back(0);
    }
    for (int row = Size - 1; row >= 0; --row) // bitmaps are stored bottom-up
        for (int column = 0; column < Size; column += 2)
            out.push_back(std::uint8_t(picture[row][column] << 4 | picture[row][column + 1]));
    out.insert(out.end(), maskBytes, 0); // every pixel opaque
    return out;
}

std::uint32_t crc32(const std::uint8_t *data, std::size_t length, std::uint32_t crc = 0)
{
    crc = ~crc;
    for (std::size_t i = 0; i < length; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

void putChunk(std::vector<std::uint8_t> &out, const char *type, const std::vector<std::uint8_t> &data)
{
    put32BigEndian(out, std::uint32_t(data.size()));
    const std::size_t typeStart = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    put32BigEndian(out, crc32(out.data() + typeStart, out.size() - typeStart));
}

// A palette PNG scaled up by repeating pixels. The zlib stream uses stored
// (uncompressed) blocks, which keeps this free of a compression library.
std::vector<std::uint8_t> encodePng(const Picture &picture, int size)
{
    std::vector<std::uint8_t> raw;
    for (int y = 0; y < size; ++y) {
        raw.push_back(0); // no filter
        for (int x = 0; x < size; ++x)
            raw.push_back(picture[y * Size / size][x * Size / size]);
    }

    std::vector<std::uint8_t> zlib = {0x78, 0x01};
    for (std::size_t start = 0; start < raw.size(); start += 0xFFFF) {
        const std::size_t length = std::min<std::size_t>(0xFFFF, raw.size() - start);
        zlib.push_back(start + length == raw.size() ? 1 : 0); // final block flag
        put16(zlib, unsigned(length));
        put16(zlib, unsigned(~length & 0xFFFF));
        zlib.insert(zlib.end(), raw.begin() + start, raw.begin() + start + length);
    }
    std::uint32_t a = 1, b = 0; // Adler-32 of the uncompressed data
    for (std::uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    put32BigEndian(zlib, b << 16 | a);

    std::vector<std::uint8_t> header;
    put32BigEndian(header, std::uint32_t(size));
    put32BigEndian(header, std::uint32_t(size));
    header.insert(header.end(), {8, 3, 0, 0, 0}); // 8-bit palette indices, no interlace

    std::vector<std::uint8_t> colours;
    for (const Rgb &colour : palette)
        colours.insert(colours.end(), {colour.r, colour.g, colour.b});

    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    putChunk(out, "IHDR", header);
    putChunk(out, "PLTE", colours);
    putChunk(out, "IDAT", zlib);
    putChunk(out, "IEND", {});
    return out;
}

bool writeFile(const std::string &path, const std::vector<std::uint8_t> &bytes)
{
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
    file.close();
    if (!file) {
        std::cerr << "icongen: cannot write " << path << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] != "--png") {
        const bool ok = writeFile(args[0] + "/oro.ico", encodeIco(drawBevelled()))
                && writeFile(args[0] + "/oro_flach.ico", encodeIco(drawFlat()));
        return ok ? EXIT_SUCCESS : EXIT_FAILURE;
    }
    if (args.size() == 3 && args[0] == "--png") {
        const int size = std::atoi(args[2].c_str());
        if (size >= Size && size % Size == 0)
            return writeFile(args[1], encodePng(drawBevelled(), size)) ? EXIT_SUCCESS : EXIT_FAILURE;
    }
    std::cerr << "usage: icongen <output-dir>\n"
                 "       icongen --png <file.png> <size, a multiple of 32>\n";
    return EXIT_FAILURE;
}
