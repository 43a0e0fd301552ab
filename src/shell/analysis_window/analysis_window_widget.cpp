#include "shell/analysis_window/analysis_window_widget.h"

#include "analysis/course_text.h"

#include "shell/analysis_window/analysis_target_widget.h"
#include "shell/analysis_window/series_chart_widget.h"
#include "shell/analysis_window/sight_picture_widget.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

struct NamedFigure {
    const char* name;
    FigureText SeriesText::*text;
};

constexpr NamedFigure seriesFigureNames[]{
    {"points", &SeriesText::points},       {"decimal", &SeriesText::decimal},     {"meanPoint", &SeriesText::meanPoint},
    {"groupSize", &SeriesText::groupSize}, {"suggested", &SeriesText::suggested},
};
constexpr NamedFigure coachFigureNames[]{
    {"lostToHold", &SeriesText::lostToHold},         {"lostToAlignment", &SeriesText::lostToAlignment},
    {"lostToSettings", &SeriesText::lostToSettings}, {"meanTraceSecond", &SeriesText::meanTraceSecond},
    {"meanTracePress", &SeriesText::meanTracePress}, {"meanTenPercent", &SeriesText::meanTenPercent},
    {"meanExpected", &SeriesText::meanExpected},
};

constexpr std::pair<const char*, FigureText ChosenShotText::*> chosenShotFigureNames[]{
    {"landing", &ChosenShotText::landing},
    {"hold", &ChosenShotText::hold},
    {"alignment", &ChosenShotText::alignment},
    {"settings", &ChosenShotText::settings},
};

QLabel* heading(const char* text)
{
    return new QLabel(QString::fromUtf8(text));
}

}  // namespace

AnalysisWindowWidget::AnalysisWindowWidget(const std::string& windowCaption, std::function<void()> closed)
    : m_closed(std::move(closed))
{
    setObjectName(QStringLiteral("analysis"));
    setWindowTitle(QString::fromStdString(windowCaption));
    setAttribute(Qt::WA_QuitOnClose, false);

    target = new AnalysisTargetWidget(this);
    sights = new SightPictureWidget(this);
    play = new QPushButton(QString::fromUtf8(captions::replay), this);
    play->setObjectName(QStringLiteral("replay"));
    play->setCheckable(true);
    play->setAutoDefault(false);
    play->setAccessibleDescription(QString::fromUtf8(captions::replayDescription));
    shots = captionedTable(this, "shots", captions::shotTable, shotColumns);
    earlier = captionedTable(this, "earlier", captions::earlierSeries, earlierColumns);
    course = captionedTable(this, "course", courseTableCaption, courseColumns);
    courseHeading = heading(courseTableCaption);
    courseHeading->hide();
    course->hide();
    chart = new SeriesChartWidget(this);

    const SeriesText names;
    const auto addFigures = [&](QFormLayout& form, const auto& named) {
        for (const NamedFigure& f : named)
            figures.emplace_back(addFigure(form, f.name, (names.*f.text).caption), f.text);
    };
    auto* seriesForm = new QFormLayout;
    addFigures(*seriesForm, seriesFigureNames);
    auto* coachForm = new QFormLayout;
    addFigures(*coachForm, coachFigureNames);
    auto* adviceForm = new QFormLayout;
    const FigureLabel advice = addFigure(*adviceForm, "advice", names.advice.caption);
    advice.value->setWordWrap(true);
    figures.emplace_back(advice, &SeriesText::advice);
    auto* figureColumns = new QHBoxLayout;
    figureColumns->addLayout(seriesForm);
    figureColumns->addLayout(coachForm);

    const ChosenShotText chosenNames;
    auto* chosenForm = new QFormLayout;
    for (const auto& [name, text] : chosenShotFigureNames)
        chosenShot.emplace_back(addFigure(*chosenForm, name, (chosenNames.*text).caption), text);
    bladeOffset = addFigure(*chosenForm, "bladeOffset", bladeOffsetText(std::nullopt).caption);
    auto* left = new QVBoxLayout;
    left->addWidget(target, 1);
    left->addWidget(heading(captions::sightPicture));
    left->addWidget(sights, 0, Qt::AlignHCenter);
    left->addLayout(chosenForm);
    left->addWidget(play, 0, Qt::AlignLeft);

    auto* earlierColumn = new QVBoxLayout;
    earlierColumn->addWidget(heading(captions::earlierSeries));
    earlierColumn->addWidget(earlier);
    auto* chartColumn = new QVBoxLayout;
    chartColumn->addWidget(heading(captions::runChart));
    chartColumn->addWidget(chart);
    auto* run = new QHBoxLayout;
    run->addLayout(earlierColumn, 1);
    run->addLayout(chartColumn, 1);

    auto* side = new QVBoxLayout;
    side->addWidget(heading(captions::series));
    side->addWidget(shots, 3);
    side->addLayout(figureColumns);
    side->addLayout(adviceForm);
    side->addWidget(courseHeading);
    side->addWidget(course, 2);
    side->addLayout(run, 1);
    auto* whole = new QHBoxLayout(this);
    whole->addLayout(left, 1);
    whole->addLayout(side, 2);

    resize(1260, 720);
}

void AnalysisWindowWidget::closeEvent(QCloseEvent* event)
{
    m_closed();
    CentredWindow::closeEvent(event);
}
