#include "state/main_window.h"

#include "forms/units.h"
#include "state/range_facts.h"

#include <memory>

namespace {

const char* const mainCaption =
    "СИМУЛАТОР НА РЕАЛНА СТРЕЛБА С ЗОКРАВИН               ЛЯВ БУТОН НА МИШКАТА  - ИЗСТРЕЛ       "
    "ДЕСЕН БУТОН - МИШЕНА";

void place(Control& c, float left, float top, float width, float height)
{
    c.Left = left;
    c.Top = top;
    c.Width = width;
    c.Height = height;
}

// Children of the window itself are placed in twips; the design gives them in pixels.
void placeInTwips(Control& c, float x, float y, float w, float h)
{
    using units::twipsFromPixels;
    place(c, twipsFromPixels(x), twipsFromPixels(y), twipsFromPixels(w), twipsFromPixels(h));
}

Button button(const char* caption)
{
    Button b;
    b.Caption = caption;
    return b;
}

// The courses in the order of their table, and the item that ends the one that runs.
MenuButton disciplineMenu()
{
    MenuButton menu;
    menu.Caption = "Дисциплина";
    for (const char* course : {"Стандартен пистолет 25 м", "Спортен пистолет 25 м, прецизност",
                               "Спортен пистолет 25 м, дуел", "Скорострелен пистолет 25 м"})
        menu.items.emplace_back(course);
    menu.items.emplace_back("Край на дисциплината", false);
    return menu;
}

PictureBox hiddenPicture(const ScenePictures::Picture& picture)
{
    PictureBox box(picture);
    place(box, 0, 0, static_cast<float>(picture->width()), static_cast<float>(picture->height()));
    box.Visible = false;
    return box;
}

// A piece of the sights at (x, y), its picture pictureWidth wide, the piece `size`.
PictureBox sightPiece(float x, float y, int pictureWidth, range::SightPieceSize size)
{
    PictureBox box(std::make_shared<const Raster>(pictureWidth, size.height, sightColor));
    place(box, x, y, static_cast<float>(size.width), static_cast<float>(size.height));
    return box;
}

}  // namespace

MainWindow::MainWindow(const ScenePictures& pictures, TimerQueue& timers, SoundPlayer& player)
    : FormWindow(mainCaption)
    , BAVNA(button("ПРЕЦИЗНА СТРЕЛБА"))
    , Restart(button("СМЯНА НА МИШЕНА"))
    , Barza(button("БЪРЗА СТРЕЛБА"))
    , Основа(pictures.rangeTargetPlate3)
    , Command1(button("Мишена"))
    , Analysis(button("Анализ"))
    , Discipline(disciplineMenu())
    , Ready(button("Готов"))
    , mm1(sightPiece(0, 0, range::sightPost.width, range::sightPost))
    , mmu(sightPiece(23, 0, range::sightBlade.width, range::sightBlade))
    , mm2(sightPiece(33, 0, range::sightPost.width, range::sightPost))
    , mm3(sightPiece(0, range::sightBaseTop, range::sightBasePictureWidth, range::sightBase))
    , mi(hiddenPicture(pictures.bull))
    , МаскаОснова(hiddenPicture(pictures.rangeTargetPlate3))
    , МаскаОснова0(hiddenPicture(pictures.rangeNoTarget))
    , МаскаОснова1(hiddenPicture(pictures.rangeTargetPlate1))
    , МаскаОснова3(hiddenPicture(pictures.rangeTargetPlate5))
    , plate3EdgeOn(hiddenPicture(pictures.rangePlate3EdgeOn))
    , fiveTargets(hiddenPicture(pictures.rangeFiveTargets))
    , fiveTargetsEdgeOn(hiddenPicture(pictures.rangeFiveTargetsEdgeOn))
    , Черно(hiddenPicture(pictures.armOnBlack))
    , Бяло(hiddenPicture(pictures.armOnWhite))
    , Фон(hiddenPicture(pictures.armOnBlack))
    , TimerB(timers, 3000, false)
    , Timer1(timers, 500, false)
    , otkat(timers, 10, true)
    , otkat1(timers, 10, false)
    , CourseTimer(timers, 100, false)
    , MM(player)
{
    placeInTwips(Frame1, 8, 8, 697, 33);
    placeInTwips(BAVNA, 0, 0, 121, 33);
    placeInTwips(Restart, 272, 0, 121, 33);
    placeInTwips(Barza, 560, 0, 121, 33);
    // The range view: 10 twips from the left, a 2-pixel sunken border round 1024 x 768 pixels.
    place(Основа, 10, units::twipsFromPixels(56), units::twipsFromPixels(1028), units::twipsFromPixels(772));

    for (int k = 1; k <= 10; ++k)
        place(i(k), 0, 32.0f * static_cast<float>(k - 1), 25, 19);
    place(i(11), 0, 320, 49, 24);
    place(Command1, 0, 352, 65, 25);
    place(Analysis, 0, 384, 65, 25);
    place(Discipline, 0, 416, 65, 25);
    Ready.Visible = false;

    mi.Left = range::bullOnPlate3.Left;
    mi.Top = range::bullOnPlate3.Top;
    place(dum, 0, 0, 2, 2);
    dum.Visible = false;
}
