#pragma once

#include <QGroupBox>

namespace quorvel {

// A frame whose bold caption sits on its top border. The fixed layouts place the first control
// inside a frame 16 pixels down, which is below such a border but above where most styles
// draw theirs (under the whole caption), so the border would cross the text.
class CaptionFrame : public QGroupBox {
    Q_OBJECT

public:
    explicit CaptionFrame(const QString &caption, QWidget *parent = nullptr);
};

} // namespace quorvel
