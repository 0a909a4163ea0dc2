// Pictures: their description words, and their image put in the text.

#include "platform/richtext/embeddedimages.h"
#include "platform/richtext/rtfreading.h"

namespace rtfreading {

void RtfReader::pictureWord(QByteArrayView word, int value) {
    if (word == "pngblip")
        picture.format = RtfPicture::Png;
    else if (word == "jpegblip")
        picture.format = RtfPicture::Jpeg;
    else if (word == "emfblip" || word == "wmetafile" || word == "macpict" || word == "dibitmap" ||
             word == "wbitmap" || word == "pmmetafile")
        picture.format = RtfPicture::Other;
    else if (word == "picw")
        picture.width = value;
    else if (word == "pich")
        picture.height = value;
    else if (word == "picwgoal")
        picture.goalWidth = value;
    else if (word == "pichgoal")
        picture.goalHeight = value;
    else if (word == "picscalex")
        picture.scaleX = value;
    else if (word == "picscaley")
        picture.scaleY = value;
}

void RtfReader::finishPicture() {
    const PlacedPicture placed = placePicture(picture, placeholder);
    embeddedimages::insert(cursor, placed.image, placed.width, placed.height, characterFormat());
    picture = RtfPicture{};
}

} // namespace rtfreading
