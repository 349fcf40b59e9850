#include "platform/qt/TextCodec.h"

#include <QFile>
#include <QStringDecoder>

QString ToQString(const std::string& text)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = decoder.decode(QByteArrayView(text.data(), qsizetype(text.size())));
    if (!decoder.hasError())
        return decoded;
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

std::string ToLocalPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString FromLocalPath(const std::string& path)
{
    return QFile::decodeName(QByteArray(path.data(), qsizetype(path.size())));
}
