#include "shell/analysis_window/analysis_window_host.h"

#include "analysis/coach_advice.h"
#include "analysis/coach_figures.h"
#include "analysis/figure_text.h"
#include "analysis/hold_figures.h"
#include "analysis/lost_points.h"
#include "analysis/series_figures.h"
#include "analysis/shot_replay.h"
#include "analysis/sight_picture.h"
#include "forms/form.h"
#include "forms/rounding.h"
#include "shell/analysis_window/analysis_target_widget.h"
#include "shell/analysis_window/replay_player.h"
#include "shell/analysis_window/series_chart_widget.h"
#include "shell/analysis_window/sight_picture_widget.h"
#include "shell/centred_window.h"
#include "state/shot_log.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString figure(double value)
{
    return QString::fromStdString(oneDecimal(value));
}

QString whole(int value)
{
    return QString::fromStdString(wholeNumber(value));
}

QString point(FacePoint p)
{
    return QStringLiteral("X %1   Y %2").arg(figure(p.x), figure(p.y));
}

// The hold figures of a shot in the table's order, or empty cells for a shot with no aim logged.
QStringList holdCells(const std::optional<HoldFigures>& f)
{
    if (!f)
        return {QString(), QString(), QString(), QString()};
    return {figure(f->traceLastSecond), figure(f->traceLast200ms), whole(roundHalfEven(f->tenPercent)),
            figure(f->expectedPoints)};
}

QTableWidget* table(QWidget* parent, const char* name, const QString& spokenName, const QStringList& headers)
{
    auto* t = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setAccessibleName(spokenName);
    t->setHorizontalHeaderLabels(headers);
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return t;
}

// A screen reader reads each cell under its column's caption.
void setRow(QTableWidget& t, int row, const QStringList& cells)
{
    for (int column = 0; column < cells.size(); ++column) {
        auto* item = new QTableWidgetItem(cells[column]);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        const QString caption = t.horizontalHeaderItem(column)->text().replace(QLatin1Char('\n'), QLatin1Char(' '));
        item->setData(Qt::AccessibleTextRole,
                      cells[column].isEmpty() ? caption : caption + QStringLiteral(": ") + cells[column]);
        t.setItem(row, column, item);
    }
}

// A figure of the series beside its caption.
AnalysisWindowHost::Figure figureRow(QFormLayout& form, const char* name, const QString& caption)
{
    auto* value = new QLabel;
    value->setObjectName(QString::fromLatin1(name));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* label = new QLabel(caption + QLatin1Char(':'));
    label->setBuddy(value);
    form.addRow(label, value);
    return {value, caption};
}

}  // namespace

// A screen reader reads the figure under its caption.
void AnalysisWindowHost::Figure::show(const QString& text) const
{
    // A replay shows its figures many times a second; a screen reader hears only a new one.
    if (value->text() == text && !value->accessibleName().isEmpty())
        return;
    value->setText(text);
    value->setAccessibleName(caption + QStringLiteral(": ") + text);
}

AnalysisWindowHost::AnalysisWindowHost(const FormWindow& window, const ShotLog& log) : m_window(window), m_log(log) {}

AnalysisWindowHost::~AnalysisWindowHost()
{
    delete m_widget;
}

void AnalysisWindowHost::sync()
{
    if (m_window.state() == WindowState::NotLoaded) {
        if (m_widget)
            m_widget->hide();
        return;
    }
    if (m_window.raiseSerial() > m_raisedSerial) {
        m_raisedSerial = m_window.raiseSerial();
        if (m_widget) {
            m_widget->show();
        } else {
            make();
            m_widget->showCentred();
        }
        m_widget->raise();
        m_widget->activateWindow();
    }
    if (m_widget && m_log.revision() != m_shownRevision) {
        m_shownRevision = m_log.revision();
        showSeries();
    }
}

void AnalysisWindowHost::make()
{
    m_widget = new CentredWindow;
    m_widget->setObjectName(QStringLiteral("analysis"));
    m_widget->setWindowTitle(QString::fromStdString(m_window.Caption));
    m_widget->setAttribute(Qt::WA_QuitOnClose, false);

    m_target = new AnalysisTargetWidget(m_widget);
    m_sights = new SightPictureWidget(m_widget);
    m_play = new QPushButton(QStringLiteral("Повтори"), m_widget);
    m_play->setObjectName(QStringLiteral("replay"));
    m_play->setCheckable(true);
    m_play->setAutoDefault(false);
    m_play->setAccessibleDescription(QStringLiteral("Показва отново последните две секунди преди избрания изстрел"));
    QObject::connect(m_play, &QPushButton::clicked, m_widget, [this](bool play) { playOrStop(play); });
    m_replay = std::make_unique<ReplayPlayer>(
        [this](const LoggedShot& shot, const ReplayMoment& moment) { showReplayMoment(shot, moment); },
        [this] { playOrStop(false); });
    m_shots = table(
        m_widget, "shots", QStringLiteral("Изстрели от серията"),
        {QStringLiteral("№"), QStringLiteral("Точки"), QStringLiteral("Десетични"), QStringLiteral("Попадение\nX"),
         QStringLiteral("Попадение\nY"), QStringLiteral("Задържане\nX"), QStringLiteral("Задържане\nY"),
         QStringLiteral("Мушка\nX"), QStringLiteral("Мушка\nY"), QStringLiteral("Поправки\nX"),
         QStringLiteral("Поправки\nY"), QStringLiteral("Загубени от\nзадържане"), QStringLiteral("Загубени от\nмушка"),
         QStringLiteral("Загубени от\nпоправки"), QStringLiteral("Следа 1 s,\nмм"), QStringLiteral("Следа 0,2 s,\nмм"),
         QStringLiteral("В десетката\n1 s, %"), QStringLiteral("Очаквани\nточки 1 s")});
    QObject::connect(m_shots, &QTableWidget::itemSelectionChanged, m_widget, [this] { playOrStop(false); });
    m_earlier = table(m_widget, "earlier", QStringLiteral("По-ранни серии"),
                      {QStringLiteral("Изстрели"), QStringLiteral("Точки"), QStringLiteral("Десетични"),
                       QStringLiteral("Група, мм")});

    auto* figures = new QFormLayout;
    m_points = figureRow(*figures, "points", QStringLiteral("Точки"));
    m_decimal = figureRow(*figures, "decimal", QStringLiteral("Десетични точки"));
    m_meanPoint = figureRow(*figures, "meanPoint", QStringLiteral("Средна точка на попадение, мм"));
    m_groupSize = figureRow(*figures, "groupSize", QStringLiteral("Група, мм"));
    m_suggested = figureRow(*figures, "suggested", QStringLiteral("Поправки за центъра"));
    auto* coach = new QFormLayout;
    m_lostToHold = figureRow(*coach, "lostToHold", QStringLiteral("Загубени от задържане"));
    m_lostToAlignment = figureRow(*coach, "lostToAlignment", QStringLiteral("Загубени от мушка"));
    m_lostToSettings = figureRow(*coach, "lostToSettings", QStringLiteral("Загубени от поправки"));
    m_meanTraceSecond = figureRow(*coach, "meanTraceSecond", QStringLiteral("Средна следа 1 s, мм"));
    m_meanTracePress = figureRow(*coach, "meanTracePress", QStringLiteral("Средна следа 0,2 s, мм"));
    m_meanTenPercent = figureRow(*coach, "meanTenPercent", QStringLiteral("Средно в десетката 1 s, %"));
    m_meanExpected = figureRow(*coach, "meanExpected", QStringLiteral("Средно очаквани точки 1 s"));
    auto* advice = new QFormLayout;
    m_advice = figureRow(*advice, "advice", QStringLiteral("Съвет"));
    m_advice.value->setWordWrap(true);
    auto* seriesFigures = new QHBoxLayout;
    seriesFigures->addLayout(figures);
    seriesFigures->addLayout(coach);

    auto* offset = new QFormLayout;
    m_bladeOffset = figureRow(*offset, "bladeOffset", QStringLiteral("Мушка от средата на прореза, px"));
    auto* replay = new QHBoxLayout;
    replay->addWidget(m_play);
    replay->addLayout(offset, 1);
    auto* left = new QVBoxLayout;
    left->addWidget(m_target, 1);
    left->addWidget(new QLabel(QStringLiteral("Прицелна картина, ×8; с пунктир мушката без отклонение")));
    left->addWidget(m_sights, 0, Qt::AlignHCenter);
    left->addLayout(replay);

    m_chart = new SeriesChartWidget(m_widget);
    auto* earlierSeries = new QVBoxLayout;
    earlierSeries->addWidget(new QLabel(QStringLiteral("По-ранни серии")));
    earlierSeries->addWidget(m_earlier);
    auto* chart = new QVBoxLayout;
    chart->addWidget(new QLabel(QStringLiteral("Серии от стрелбата")));
    chart->addWidget(m_chart);
    auto* run = new QHBoxLayout;
    run->addLayout(earlierSeries, 1);
    run->addLayout(chart, 1);

    auto* side = new QVBoxLayout;
    side->addWidget(new QLabel(QStringLiteral("Серия")));
    side->addWidget(m_shots, 3);
    side->addLayout(seriesFigures);
    side->addLayout(advice);
    side->addLayout(run, 1);
    auto* whole = new QHBoxLayout(m_widget);
    whole->addLayout(left, 1);
    whole->addLayout(side, 2);

    m_widget->resize(1260, 720);
}

void AnalysisWindowHost::showSeries()
{
    stopReplay();
    const std::vector<LoggedShot>& series = m_log.series();
    m_play->setEnabled(!series.empty());
    m_shots->setRowCount(static_cast<int>(series.size()));
    for (std::size_t n = 0; n < series.size(); ++n) {
        const LoggedShot& shot = series[n];
        const FacePoint landing = landingPoint(shot.mark);
        const LandingParts parts = landingParts(shot.sights);
        const LostPoints lost = lostPoints(shot);
        setRow(*m_shots, static_cast<int>(n),
               QStringList{QString::number(n + 1), QString::number(shot.mark.points), figure(decimalScore(shot.mark)),
                           figure(landing.x), figure(landing.y), figure(parts.hold.x), figure(parts.hold.y),
                           figure(parts.alignment.x), figure(parts.alignment.y), figure(parts.settings.x),
                           figure(parts.settings.y), whole(lost.hold), whole(lost.alignment), whole(lost.settings)} +
                   holdCells(holdFigures(shot)));
    }

    const SeriesFigures figures = seriesFigures(marksOf(series));
    const SuggestedSettings suggested = suggestedSettings(series);
    m_points.show(QString::number(figures.points));
    m_decimal.show(figure(figures.decimal));
    m_meanPoint.show(series.empty() ? QString() : point(figures.meanPoint));
    m_groupSize.show(series.empty() ? QString() : figure(figures.groupSize));
    m_suggested.show(series.empty() ? QString()
                                    : QStringLiteral("странична %1, по височина %2")
                                          .arg(QString::fromStdString(wholeNumber(suggested.windage)),
                                               QString::fromStdString(wholeNumber(suggested.elevation))));
    showCoach(coachFigures(series));

    const auto& earlier = m_log.earlier();
    m_earlier->setRowCount(static_cast<int>(earlier.size()));
    for (std::size_t n = 0; n < earlier.size(); ++n) {
        const SeriesFigures f = seriesFigures(earlier[earlier.size() - 1 - n]);
        setRow(*m_earlier, static_cast<int>(n),
               {QString::number(f.shots), QString::number(f.points), figure(f.decimal), figure(f.groupSize)});
    }

    m_chart->display(runSeries(m_log));

    m_meanPointShown = series.empty() ? std::nullopt : std::optional<FacePoint>(figures.meanPoint);
    if (!series.empty())
        m_shots->selectRow(static_cast<int>(series.size()) - 1);
    showChosenShot();
}

void AnalysisWindowHost::showCoach(const CoachFigures& f)
{
    const bool empty = f.shots == 0;
    m_lostToHold.show(empty ? QString() : whole(f.lost.hold));
    m_lostToAlignment.show(empty ? QString() : whole(f.lost.alignment));
    m_lostToSettings.show(empty ? QString() : whole(f.lost.settings));
    const QStringList means = holdCells(f.meanHold);
    m_meanTraceSecond.show(means[0]);
    m_meanTracePress.show(means[1]);
    m_meanTenPercent.show(means[2]);
    m_meanExpected.show(means[3]);
    m_advice.show(empty ? QString() : QString::fromStdString(coachAdvice(f)));
}

std::optional<std::size_t> AnalysisWindowHost::chosenRow() const
{
    const std::size_t shots = m_log.series().size();
    const QList<QTableWidgetItem*> chosen = m_shots->selectedItems();
    const std::size_t row = chosen.isEmpty() ? shots - 1 : static_cast<std::size_t>(chosen.front()->row());
    return row < shots ? std::optional(row) : std::nullopt;
}

void AnalysisWindowHost::showChosenShot()
{
    const std::vector<LoggedShot>& series = m_log.series();
    std::vector<FacePoint> landings;
    for (const LoggedShot& shot : series)
        landings.push_back(landingPoint(shot.mark));
    const std::optional<std::size_t> chosen = chosenRow();
    std::vector<TracePoint> trace;
    std::optional<SightReading> sights;
    if (chosen) {
        trace = aimTrace(series[*chosen]);
        sights = series[*chosen].sights;
    }
    m_target->display(std::move(landings), m_meanPointShown, std::move(trace), chosen);
    showSights(sights);
}

void AnalysisWindowHost::showSights(const std::optional<SightReading>& sights)
{
    m_sights->display(sights);
    if (!sights) {
        m_bladeOffset.show(QString());
        return;
    }
    const SightPicture p = sightPicture(*sights);
    m_bladeOffset.show(
        QStringLiteral("X %1   Y %2")
            .arg(QString::fromStdString(twoDecimals(p.bladeRight)), QString::fromStdString(twoDecimals(p.bladeUp))));
}

void AnalysisWindowHost::stopReplay()
{
    m_replay->stop();
    m_play->setChecked(false);
    m_play->setText(QStringLiteral("Повтори"));
}

void AnalysisWindowHost::playOrStop(bool play)
{
    stopReplay();
    const std::optional<std::size_t> chosen = chosenRow();
    if (play && chosen) {
        m_play->setChecked(true);
        m_play->setText(QStringLiteral("Спри"));
        m_replay->play(m_log.series()[*chosen]);
        return;
    }
    showChosenShot();
}

void AnalysisWindowHost::showReplayMoment(const LoggedShot& shot, const ReplayMoment& moment)
{
    std::vector<TracePoint> trace = aimTrace(shot);
    trace.resize(moment.tracePoints);
    m_target->showReplay(std::move(trace),
                         moment.sights ? std::optional<FacePoint>(wouldLand(*moment.sights)) : std::nullopt);
    showSights(moment.sights);
}
