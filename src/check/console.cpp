#include "console.h"

#include <QString>
#include <QTextCodec>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

void write(std::FILE *stream, const QString &text, QTextCodec *codec)
{
#ifdef Q_OS_WIN
    const HANDLE handle = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) {
        std::fflush(stream);
        DWORD written = 0;
        WriteConsoleW(handle, reinterpret_cast<const wchar_t *>(text.utf16()), DWORD(text.size()), &written,
                      nullptr);
        return;
    }
#endif
    const QByteArray bytes = codec->fromUnicode(text);
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

namespace Console {

void print(std::FILE *stream, const QString &text)
{
    write(stream, text, QTextCodec::codecForLocale());
}

void printUtf8(const QString &text)
{
    write(stdout, text, QTextCodec::codecForMib(106));
}

} // namespace Console
