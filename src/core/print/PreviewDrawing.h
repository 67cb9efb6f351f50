#pragma once

class Page;
class QFont;
struct AppState;

// The texts of the previews: the printer's own renderers on another page, shifted by the side's
// general shift and screen calibration, never by its centring, so that the picture shows the
// texts where the ink falls on the form. The picture of the form is drawn beneath by the caller.
namespace PreviewDrawing {

// The recto in its printer font: general shift (0) plus screen calibration (92).
void AfficheRecto(const AppState &state, const QFont &font, Page &page);

// The verso in its printer font, from the wrapped tables of `state.versoLines`: general shift
// (94) plus screen calibration (93).
void SortieEcranVerso(const AppState &state, const QFont &font, Page &page);

} // namespace PreviewDrawing
