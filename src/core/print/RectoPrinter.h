#pragma once

#include <QDate>
#include <QPointF>
#include <QString>

class BulletinRecord;
class Page;
class Prompts;
struct AppState;
struct Options;
struct PrintLayout;

namespace RectoPrinter {

// The date as printed in its six boxes: DDMMYY.
QString dateText(const QDate &date);

// The shift of the printed recto: general shift (0) plus centring (95).
QPointF printShift(const PrintLayout &layout);
// The shift of the on-screen recto: general shift (0) plus screen calibration (92).
QPointF previewShift(const PrintLayout &layout);

// Places every text of the recto, moved by `shift`, on a page whose font is set: frames A, B1,
// B2, B3 and the six train lines, each at its item of the layout.
void draw(const BulletinRecord &record, const PrintLayout &layout, const Options &options,
          const QPointF &shift, Page &page);

// Selects the recto font (completing it from the device when a setting is missing), draws the
// recto and ends the page.
void print(AppState &state, Page &page);

// The message shown instead of printing when there is no printer at all.
void reportNoPrinter(Prompts &prompts);

} // namespace RectoPrinter
