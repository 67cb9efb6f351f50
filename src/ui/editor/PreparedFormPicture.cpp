#include "ui/editor/PreparedFormPicture.h"

#include "core/form/FormPicture.h"

#include <future>
#include <system_error>

namespace PreparedFormPicture {

namespace {

struct Prepared {
    std::future<QImage> picture;
    double pixelsPerMm = 0;
    qreal ratio = 0;
};

Prepared &prepared()
{
    static Prepared one;
    return one;
}

} // namespace

void start(double pixelsPerMm, qreal ratio)
{
    drop();
    Prepared &p = prepared();
    p.pixelsPerMm = pixelsPerMm;
    p.ratio = ratio;
    try {
        p.picture = std::async(std::launch::async, [pixelsPerMm, ratio] {
            return FormPicture::editorImage(pixelsPerMm, ratio);
        });
    } catch (const std::system_error &) {
        // No thread to spare: the editor draws its picture itself.
    }
}

QImage take(double pixelsPerMm, qreal ratio)
{
    Prepared &p = prepared();
    if (!p.picture.valid())
        return QImage();
    QImage picture = p.picture.get(); // leaves the future empty
    if (p.pixelsPerMm != pixelsPerMm || p.ratio != ratio)
        return QImage();
    return picture;
}

void drop()
{
    Prepared &p = prepared();
    if (p.picture.valid())
        p.picture.get();
}

} // namespace PreparedFormPicture
