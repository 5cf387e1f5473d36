#pragma once

#include <QByteArray>
#include <QImage>

// The two Windows metafile types a front picture may be: an EMF is turned
// into SVG by libemf2svg, a WMF by libwmf's SVG device, and Qt draws the SVG
// at its natural size.
namespace metafile {

enum class Type
{
    None,
    Emf,
    Wmf
};

// What the bytes are, by their content and never by the file name.
Type typeOf(const QByteArray& bytes);

// The picture of a metafile, or a null image when it cannot be drawn.
QImage render(const QByteArray& bytes);

} // namespace metafile
