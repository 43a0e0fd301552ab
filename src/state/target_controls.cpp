#include "state/target_controls.h"

#include "forms/units.h"
#include "state/range_facts.h"

namespace {

// The design gives the controls in pixels; the window's scale is millimetres.
void placePixels(Control& c, double x, double y, double w, double h)
{
    using units::millimetresFromPixels;
    c.Left = static_cast<float>(millimetresFromPixels(x));
    c.Top = static_cast<float>(millimetresFromPixels(y));
    c.Width = static_cast<float>(millimetresFromPixels(w));
    c.Height = static_cast<float>(millimetresFromPixels(h));
}

void setUpBar(ScrollBar& bar)
{
    bar.Min = 0;
    bar.Max = 200;
    bar.SmallChange = 1;
    bar.LargeChange = 10;
    bar.setValue(100);
}

}  // namespace

TargetControls::TargetControls()
{
    for (Control& mark : m_marks) {
        mark.Width = markDiameter;
        mark.Height = markDiameter;
        mark.Visible = false;
    }
    Shape1 = {range::markCentreLeft, range::markCentreTop, 2.12f, 2.12f, false};
    placePixels(Shape2, 1.9, 0, 594.5, 526.9);
    placePixels(tbi, 48, 80, 41, 33);
    placePixels(Horizont, 64, 488, 81, 9);
    setUpBar(Horizont);
    placePixels(tHorizont, 80, 504, 41, 19);
    tHorizont.setText("Text1");
    placePixels(Picture2, 16, 504, 51, 11);
    placePixels(Picture1, 128, 504, 51, 11);
    placePixels(Vertikal, 528, 56, 9, 65);
    setUpBar(Vertikal);
    placePixels(tVertikal, 544, 80, 41, 19);
    tVertikal.setText("Text1");
    placePixels(Picture3, 560, 24, 11, 51);
    placePixels(Picture4, 560, 104, 11, 51);
}
