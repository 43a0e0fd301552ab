#include "analysis/coach_advice.h"

#include "analysis/figure_text.h"

#include <algorithm>

namespace {

// With the pointer at rest only the sway moves the aim: a tick every 500 ms, moving it 20 mm
// across and 12.5 mm up or down for each unit its cosine changes by, which is 1.995 at most and
// 1.27 on average. The last 0.2 s hold such a tick before 40 % of shots, 30 mm on average, which
// comes to 12 mm over a series (about one series of ten in seventy reaches 25 mm). A pointer
// moved 5 pixels at the press makes 25 mm on its own.
constexpr double pressTraceLimit = 25;

std::string points(int n)
{
    return wholeNumber(n) + (n == 1 ? " точка" : " точки");
}

std::string centringSettings(const SuggestedSettings& s)
{
    return "Поставете странична поправка " + wholeNumber(s.windage) + " и поправка по височина " +
           wholeNumber(s.elevation) + ": с тях групата отива в центъра.";
}

}  // namespace

std::string coachAdvice(const CoachFigures& f)
{
    const LostPoints& lost = f.lost;
    const int most = std::max({lost.hold, lost.alignment, lost.settings});
    const int missedTens = 10 * f.shots - f.points;
    if (most <= 0 && missedTens > 0)
        return "Поотделно задържането, мушката и поправките не са ви отнели точки, но заедно са отнели " +
               points(missedTens) + ". " + centringSettings(f.suggested);
    if (most <= 0)
        return "Задържането, мушката и поправките не са ви отнели нито една точка. Стреляйте все така.";
    if (lost.hold == most && f.meanHold && f.meanHold->traceLast200ms > pressTraceLimit)
        return "Мишката е помръднала при натискането: следата в последните 0,2 s е средно " +
               oneDecimal(f.meanHold->traceLast200ms) + " мм, а задържането е отнело " + points(lost.hold) +
               ". Спрете мишката, преди да натиснете, и натискайте, без да я местите.";
    if (lost.hold == most)
        return "Задържането е отнело " + points(lost.hold) + ": изместило е попаденията средно с X " +
               oneDecimal(f.meanHoldPoint.x) + " мм, Y " + oneDecimal(f.meanHoldPoint.y) + " мм, с разсейване " +
               oneDecimal(f.holdSpread) +
               " мм. Дръжте мерника точно под средата на кръга и го задържайте там до изстрела.";
    if (lost.alignment == most && f.lateAlignmentLoss > 0)
        return "Мушката е отнела " + points(lost.alignment) + ", " + wholeNumber(f.lateAlignmentLoss) +
               " от тях в изстрели в последната четвърт от времето на серията, когато люлеенето вече е отместило "
               "мушката. Натискайте по-рано: до половин секунда след последното помръдване.";
    if (lost.alignment == most)
        return "Мушката е отнела " + points(lost.alignment) + ": при изстрела е стояла средно на " +
               oneDecimal(f.meanBladeOffset) +
               " пиксела от средата на прореза, където я отмества люлеенето. Натискайте до половин секунда след "
               "последното помръдване, преди люлеенето да започне, или поставете странична поправка " +
               wholeNumber(f.suggested.windage) + " и поправка по височина " + wholeNumber(f.suggested.elevation) +
               ", с които групата отива в центъра.";
    return "Поправките са отнели " + points(lost.settings) + ". " + centringSettings(f.suggested);
}
