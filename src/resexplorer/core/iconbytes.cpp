#include "resexplorer/core/iconbytes.h"

#include "images/core/iconwriter.h"
#include "images/core/imageerrors.h"
#include "resexplorer/core/exeerror.h"

namespace resexplorer::iconbytes {

namespace {

/// Runs \a step; an image cut short is data outside the file, anything else a bad picture.
template <typename Step>
auto translated(Step step)
{
    try {
        return step();
    } catch (const images::EInOutError &) {
        throw EExeError(damage::outsideFile());
    } catch (const images::ImageError &) {
        throw EExeError(damage::badPicture());
    }
}

} // namespace

QImage decode(const ByteSpan &image)
{
    return translated([&] { return images::IconImage::decode(image.rawView()); });
}

images::IconDirEntry describe(const ByteSpan &image)
{
    return translated([&] { return images::IconImage::describe(image.rawView()); });
}

QByteArray fileForm(std::uint16_t type, const images::IconDirEntry &entry, const ByteSpan &image)
{
    return images::IconWriter::wrap(type, entry, image.rawView());
}

} // namespace resexplorer::iconbytes
