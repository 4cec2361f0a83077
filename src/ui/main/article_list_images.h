// The two images of 文章列表框's image list: the mark image of favourites and key
// articles (image 0) and the round-end image of the newest row (image 8).
// Thread safety: UI thread only (made once, on first use).
#pragma once

#include <QIcon>

namespace zorvqi::ui {

const QIcon& markImage();
const QIcon& roundEndImage();

}  // namespace zorvqi::ui
