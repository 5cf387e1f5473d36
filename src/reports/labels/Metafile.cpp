#include "Metafile.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

#include <emf2svg.h>
#include <libwmf/api.h>
#include <libwmf/svg.h>

#include <cstdlib>
#include <memory>

namespace metafile {
namespace {

constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr quint32 kEmfSignature = 0x464D4520; // " EMF"
// Larger pictures are drawn at this size at most: a label box is a few
// centimetres wide, and a damaged header must not ask for gigabytes.
constexpr int kLargest = 4096;

quint32 u32At(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

quint16 u16At(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

QByteArray emfToSvg(const QByteArray& bytes)
{
    generatorOptions options{};
    options.nameSpace = const_cast<char*>("svg");
    options.svgDelimiter = true;
    options.emfplus = true;
    char* out = nullptr;
    size_t length = 0;
    QByteArray input = bytes; // the converter takes a writable buffer
    const int ok = emf2svg(input.data(), size_t(input.size()), &out, &length, &options);
    QByteArray svg = ok && out ? QByteArray(out, qsizetype(length)) : QByteArray();
    std::free(out);
    return svg;
}

struct WmfApi
{
    wmfAPI* api = nullptr;
    ~WmfApi()
    {
        if (api)
            wmf_api_destroy(api);
    }
};

QByteArray wmfToSvg(const QByteArray& bytes)
{
    wmfAPI_Options options{};
    options.function = wmf_svg_function;
    const unsigned long flags =
        WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    WmfApi wmf;
    if (wmf_api_create(&wmf.api, flags, &options) != wmf_E_None)
        return {};
    QByteArray input = bytes;
    if (wmf_mem_open(wmf.api, reinterpret_cast<unsigned char*>(input.data()), long(input.size())) !=
        wmf_E_None)
        return {};
    wmfD_Rect box{};
    unsigned int width = 0;
    unsigned int height = 0;
    if (wmf_scan(wmf.api, 0, &box) != wmf_E_None ||
        wmf_display_size(wmf.api, &width, &height, 96, 96) != wmf_E_None || width == 0 ||
        height == 0) {
        wmf_mem_close(wmf.api);
        return {};
    }
    wmf_svg_t* device = WMF_SVG_GetData(wmf.api);
    device->out = wmf_stream_create(wmf.api, nullptr);
    device->bbox = box;
    device->Description = const_cast<char*>("");
    device->width = qMin(width, unsigned(kLargest));
    device->height = qMin(height, unsigned(kLargest));
    const bool played = wmf_play(wmf.api, 0, &box) == wmf_E_None;
    char* out = nullptr;
    unsigned long length = 0;
    wmf_stream_destroy(wmf.api, device->out, &out, &length);
    QByteArray svg = played && out ? QByteArray(out, qsizetype(length)) : QByteArray();
    if (out)
        wmf_free(wmf.api, out);
    wmf_mem_close(wmf.api);
    return svg;
}

} // namespace

Type typeOf(const QByteArray& bytes)
{
    if (bytes.size() >= 44 && u32At(bytes, 0) == 1 && u32At(bytes, 40) == kEmfSignature)
        return Type::Emf;
    if (bytes.size() >= 22 && u32At(bytes, 0) == kPlaceableKey)
        return Type::Wmf;
    // A metafile without the placeable header: type 1 or 2, a header of nine
    // words, version 1 or 3.
    if (bytes.size() >= 18 && (u16At(bytes, 0) == 1 || u16At(bytes, 0) == 2) &&
        u16At(bytes, 2) == 9 && (u16At(bytes, 4) == 0x0100 || u16At(bytes, 4) == 0x0300))
        return Type::Wmf;
    return Type::None;
}

QImage render(const QByteArray& bytes)
{
    const Type type = typeOf(bytes);
    if (type == Type::None)
        return {};
    const QByteArray svg = type == Type::Emf ? emfToSvg(bytes) : wmfToSvg(bytes);
    QSvgRenderer renderer(svg);
    if (svg.isEmpty() || !renderer.isValid())
        return {};
    QSize size = renderer.defaultSize();
    if (size.isEmpty())
        return {};
    size = size.boundedTo(QSize(kLargest, kLargest));
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    renderer.render(&painter);
    painter.end();
    return picture;
}

} // namespace metafile
