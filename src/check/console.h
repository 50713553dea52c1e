#ifndef CONSOLE_H
#define CONSOLE_H

#include <cstdio>

class QString;

// Standard output and error as a command-line program writes them: to a
// Windows console as characters, which the console shows whatever its code
// page; elsewhere as bytes.
namespace Console {

// Text for people, in the encoding of the system's locale.
void print(std::FILE *stream, const QString &text);
// Text that is meant as a file's contents: UTF-8 whatever the locale.
void printUtf8(const QString &text);

} // namespace Console

#endif // CONSOLE_H
