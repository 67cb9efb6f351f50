#pragma once

#include <QProxyStyle>

// The desktop's own style, with four differences:
// - the arrow that a menu bar keeps for the menus that do not fit is made the first time it is
//   drawn. Qt makes it with every menu bar, from a picture file, and finding that file's reader
//   loads every image plugin of the system; the editor's menu bar shows all its menus and never
//   needs the arrow;
// - the message boxes' pictures are the desktop theme's, or drawn at the size asked for where the
//   theme has none: Qt's own are small pictures, blurred on a screen scaled to 150 % or 200 %;
// - a lone Alt, pressed and released, takes the keyboard to the menu bar, whatever the desktop
//   style says: the driver who works without a mouse reaches every menu command. The menu title
//   the keyboard stands on is marked as an open one is, where the style would mark nothing;
// - a list that has the keyboard is outlined as a box or a button that has it is.
class KerboStyle : public QProxyStyle
{
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr,
                  const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
};
