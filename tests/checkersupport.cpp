#include "checkersupport.h"

#include "catalogueloader.h"
#include "textencoding.h"

#include <QBuffer>
#include <QTextStream>

namespace {

template<typename Read>
auto readAsFile(const QByteArray &bytes, Read read, QTextCodec *systemCodec = nullptr)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly | QIODevice::Text);
    QTextStream stream(&buffer);
    DefinitionEncoding encoding = definitionEncoding(bytes.constData(), bytes.size());
    // The check takes the encoding it is handed, so any machine can try an 8-bit one.
    if (systemCodec && encoding.reason == DefinitionEncoding::SystemEncoding)
        encoding.codec = systemCodec;
    stream.setCodec(encoding.codec);
    return read(stream, encoding);
}

QtMessageHandler previousHandler = nullptr;

void dropDebug(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg)
        previousHandler(type, context, message);
}

} // namespace

CheckResult checkList(const QByteArray &bytes, QTextCodec *systemCodec)
{
    return readAsFile(
        bytes,
        [&](QTextStream &stream, const DefinitionEncoding &encoding) {
            return ListCheck::check(stream, encoding, bytes.constData(), bytes.size());
        },
        systemCodec);
}

QVector<DecoderType> shownTypes(const QByteArray &bytes)
{
    QVector<DecoderType> types = readAsFile(bytes, [](QTextStream &stream, const DefinitionEncoding &) {
        return readCatalogue(stream);
    });
    if (!types.isEmpty())
        types.removeFirst();
    return types;
}

bool sameTypes(const QVector<DecoderType> &a, const QVector<DecoderType> &b)
{
    if (a.size() != b.size())
        return false;
    for (int k = 0; k < a.size(); ++k) {
        if (a.at(k).name != b.at(k).name || a.at(k).outputNames != b.at(k).outputNames
            || a.at(k).cvValues != b.at(k).cvValues)
            return false;
    }
    return true;
}

void dropDebugMessages()
{
    previousHandler = qInstallMessageHandler(dropDebug);
}
