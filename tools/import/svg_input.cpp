// Rewriting an SVG drawing token by token, keeping what draws and leaving
// out what reaches other files.
#include "svg_input.h"

#include "picture_input.h"

#include <QBuffer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace importer {
namespace {

bool isHref(const QXmlStreamAttribute& attribute) { return attribute.name() == QLatin1String("href"); }

// The bytes of a data: URI, or empty for anything else.
QByteArray dataUriBytes(QStringView uri)
{
    if (!uri.startsWith(QLatin1String("data:"), Qt::CaseInsensitive))
        return {};
    const qsizetype comma = uri.indexOf(',');
    if (comma < 0)
        return {};
    const QStringView meta = uri.mid(5, comma - 5);
    const QByteArray payload = uri.mid(comma + 1).toLatin1();
    if (meta.endsWith(QLatin1String(";base64"), Qt::CaseInsensitive))
        return QByteArray::fromBase64(payload.simplified().replace(' ', QByteArray()));
    return QByteArray::fromPercentEncoding(payload);
}

// The picture a data: URI holds, checked like any picture and given again as
// a PNG data URI; empty when it is not a picture the importer reads.
QString checkedPicture(QStringView uri)
{
    const QByteArray bytes = dataUriBytes(uri);
    const platform::PictureFormat format = platform::pictureFormatOf(bytes);
    if (!isImportedRaster(format))
        return {};
    const QImage picture = platform::decodePicture(bytes, format, true);
    QByteArray png;
    QBuffer buffer(&png);
    if (picture.isNull() || !buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG"))
        return {};
    return "data:image/png;base64," + QString::fromLatin1(png.toBase64());
}

class Rewriter {
public:
    Rewriter(const QByteArray& svg, QByteArray& out) : in_(svg), out_(&out) {}

    // False when the text is not well-formed XML.
    bool run()
    {
        while (!in_.atEnd()) {
            const QXmlStreamReader::TokenType token = in_.readNext();
            if (skipping_ > 0)
                skip(token);
            else
                copy(token);
        }
        return !in_.hasError();
    }
    int dropped() const { return dropped_; }

private:
    void skip(QXmlStreamReader::TokenType token)
    {
        if (token == QXmlStreamReader::StartElement)
            ++skipping_;
        else if (token == QXmlStreamReader::EndElement)
            --skipping_;
    }

    void copy(QXmlStreamReader::TokenType token)
    {
        switch (token) {
        case QXmlStreamReader::StartDocument:
            out_.writeStartDocument();
            break;
        case QXmlStreamReader::EndDocument:
            out_.writeEndDocument();
            break;
        case QXmlStreamReader::StartElement:
            startElement();
            break;
        case QXmlStreamReader::EndElement:
            out_.writeEndElement();
            break;
        case QXmlStreamReader::Characters:
            if (in_.isCDATA())
                out_.writeCDATA(in_.text().toString());
            else
                out_.writeCharacters(in_.text().toString());
            break;
        default:
            // The DTD (whose entities are already expanded here), comments,
            // processing instructions and unresolved entities are left out.
            break;
        }
    }

    void startElement()
    {
        QString picture;
        if (in_.name() == QLatin1String("image")) {
            for (const QXmlStreamAttribute& attribute : in_.attributes())
                if (isHref(attribute) && picture.isEmpty())
                    picture = checkedPicture(attribute.value());
            if (picture.isEmpty()) {
                ++dropped_;
                skipping_ = 1;
                return;
            }
        }
        out_.writeStartElement(in_.qualifiedName().toString());
        for (const QXmlStreamNamespaceDeclaration& ns : in_.namespaceDeclarations()) {
            const QString prefix = ns.prefix().toString();
            out_.writeAttribute(prefix.isEmpty() ? "xmlns" : "xmlns:" + prefix, ns.namespaceUri().toString());
        }
        for (const QXmlStreamAttribute& attribute : in_.attributes())
            writeAttribute(attribute, picture);
    }

    void writeAttribute(const QXmlStreamAttribute& attribute, const QString& picture)
    {
        if (!isHref(attribute)) {
            out_.writeAttribute(attribute.qualifiedName().toString(), attribute.value().toString());
        } else if (!picture.isEmpty()) {
            out_.writeAttribute(attribute.qualifiedName().toString(), picture);
        } else if (attribute.value().startsWith('#')) {
            out_.writeAttribute(attribute.qualifiedName().toString(), attribute.value().toString());
        } else {
            ++dropped_;
        }
    }

    QXmlStreamReader in_;
    QXmlStreamWriter out_;
    int skipping_ = 0; // depth inside an element being left out
    int dropped_ = 0;
};

} // namespace

bool looksLikeSvg(const QByteArray& bytes)
{
    QXmlStreamReader reader(bytes);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement)
            return reader.name() == QLatin1String("svg");
    }
    return false;
}

SelfContainedSvg selfContainedSvg(const QByteArray& svg)
{
    SelfContainedSvg result;
    Rewriter rewriter(svg, result.document);
    if (!rewriter.run())
        return {};
    result.dropped = rewriter.dropped();
    return result;
}

} // namespace importer
