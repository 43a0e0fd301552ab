#include "shell/analysis_window/analysis_window_host.h"

#include "analysis/course_text.h"
#include "analysis/series_figures.h"
#include "analysis/shot_replay.h"
#include "analysis/window_text.h"
#include "forms/form.h"
#include "shell/analysis_window/analysis_target_widget.h"
#include "shell/analysis_window/analysis_window_widget.h"
#include "shell/analysis_window/replay_player.h"
#include "shell/analysis_window/series_chart_widget.h"
#include "shell/analysis_window/sight_picture_widget.h"
#include "state/shot_log.h"

#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

AnalysisWindowHost::AnalysisWindowHost(const FormWindow& window, const ShotLog& log, const CourseState& course,
                                       std::function<void()> closed)
    : m_window(window), m_log(log), m_course(course), m_closed(std::move(closed))
{
}

AnalysisWindowHost::~AnalysisWindowHost()
{
    delete m_widget;
}

void AnalysisWindowHost::sync()
{
    if (m_window.state() != WindowState::Shown) {
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
    if (m_widget)
        showCourse();
}

// The results are made anew after every event, and shown where they differ from what shows.
void AnalysisWindowHost::showCourse()
{
    const bool any = !m_course.record.empty();
    std::vector<std::vector<std::string>> rows = any ? courseRows(courseResults(m_course)) : decltype(rows){};
    if (rows == m_courseRows)
        return;
    m_courseRows = std::move(rows);
    m_widget->courseHeading->setVisible(any);
    m_widget->course->setVisible(any);
    showRows(*m_widget->course, m_courseRows);
}

void AnalysisWindowHost::make()
{
    m_widget = new AnalysisWindowWidget(m_window.Caption, m_closed);
    QObject::connect(m_widget->play, &QPushButton::clicked, m_widget, [this](bool play) { playOrStop(play); });
    QObject::connect(m_widget->shots, &QTableWidget::itemSelectionChanged, m_widget, [this] { playOrStop(false); });
    m_replay = std::make_unique<ReplayPlayer>(
        [this](const LoggedShot& shot, const ReplayMoment& moment) { showReplayMoment(shot, moment); },
        [this] { playOrStop(false); });
}

void AnalysisWindowHost::showSeries()
{
    stopReplay();
    const std::vector<LoggedShot>& series = m_log.series();
    const SeriesText text = seriesText(m_log, m_course);
    m_widget->play->setEnabled(!series.empty());
    // The chosen shot is shown once, at the end, however the rows and the choice change.
    const QSignalBlocker quiet(m_widget->shots);
    showRows(*m_widget->shots, text.shots);
    showRows(*m_widget->earlier, text.earlier);
    for (const auto& [label, figure] : m_widget->figures)
        label.show(text.*figure);
    // The run ends with the series in the log.
    std::vector<SeriesFigures> run = runSeries(m_log);
    m_meanPointShown = series.empty() ? std::nullopt : std::optional<FacePoint>(run.back().meanPoint);
    m_widget->chart->display(std::move(run));
    if (!series.empty())
        m_widget->shots->selectRow(static_cast<int>(series.size()) - 1);
    showChosenShot();
}

std::optional<std::size_t> AnalysisWindowHost::chosenRow() const
{
    const std::size_t shots = m_log.series().size();
    const QList<QTableWidgetItem*> chosen = m_widget->shots->selectedItems();
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
    m_widget->target->display(std::move(landings), m_meanPointShown, std::move(trace), chosen);
    const ChosenShotText text = chosenShotText(chosen ? &series[*chosen] : nullptr);
    for (const auto& [label, figure] : m_widget->chosenShot)
        label.show(text.*figure);
    showSights(sights);
}

void AnalysisWindowHost::showSights(const std::optional<SightReading>& sights)
{
    m_widget->sights->display(sights);
    m_widget->bladeOffset.show(bladeOffsetText(sights));
}

void AnalysisWindowHost::stopReplay()
{
    m_replay->stop();
    m_widget->play->setChecked(false);
    m_widget->play->setText(QString::fromUtf8(captions::replay));
}

void AnalysisWindowHost::playOrStop(bool play)
{
    stopReplay();
    const std::optional<std::size_t> chosen = chosenRow();
    if (play && chosen) {
        m_widget->play->setChecked(true);
        m_widget->play->setText(QString::fromUtf8(captions::stopReplay));
        m_replay->play(m_log.series()[*chosen]);
        return;
    }
    showChosenShot();
}

void AnalysisWindowHost::showReplayMoment(const LoggedShot& shot, const ReplayMoment& moment)
{
    std::vector<TracePoint> trace = aimTrace(shot);
    trace.resize(moment.tracePoints);
    m_widget->target->showReplay(std::move(trace),
                                 moment.sights ? std::optional<FacePoint>(wouldLand(*moment.sights)) : std::nullopt);
    showSights(moment.sights);
}
