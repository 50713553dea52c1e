// The decoder lists the benchmarks load: a `decoders.ini` per directory,
// copied from the sample or generated at any size.
#pragma once

#include <QByteArray>
#include <QString>

namespace fmbench {

QString decoderListIn(const QString &directory);

void writeDecoderList(const QString &directory, const QByteArray &contents);

// Decoder types shaped like the sample's: fourteen named outputs from a
// common stock of names and fourteen CV defaults, a few of them negative.
QByteArray generatedDecoderList(int types);

} // namespace fmbench
