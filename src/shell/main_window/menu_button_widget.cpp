#include "shell/main_window/menu_button_widget.h"

#include "forms/menu.h"
#include "shell/fitted_font.h"
#include "shell/widget_sync.h"

#include <QMenu>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <utility>

MenuButtonWidget::MenuButtonWidget(const MenuButton& model, std::function<void(std::size_t)> chose, QWidget* parent)
    : QPushButton(parent), m_model(model), m_chose(std::move(chose)), m_menu(new QMenu(this))
{
    setAttribute(Qt::WA_NoMousePropagation);
    setAutoDefault(false);
    setMenu(m_menu);
}

void MenuButtonWidget::sync()
{
    const QSize before = size();
    const std::string caption = m_caption;
    syncPlace(*this, m_model);
    syncCaption(*this, m_model.Caption, m_caption);
    if (size() != before || m_caption != caption)
        fitCaption();
    std::vector<std::string> listed;
    for (const MenuItem& item : m_model.items)
        if (item.Visible)
            listed.push_back(item.Caption);
    if (listed == m_listed)
        return;
    m_listed = std::move(listed);
    // The menu may be rebuilt by the choice of one of its actions, which then must outlive it.
    for (QAction* action : m_menu->actions()) {
        m_menu->removeAction(action);
        action->deleteLater();
    }
    for (std::size_t n = 0; n < m_model.items.size(); ++n) {
        if (!m_model.items[n].Visible)
            continue;
        QAction* action = m_menu->addAction(QString::fromStdString(m_model.items[n].Caption));
        connect(action, &QAction::triggered, this, [this, n] { m_chose(n); });
    }
}

void MenuButtonWidget::fitCaption()
{
    QFont shown = parentWidget() ? parentWidget()->font() : font();
    QStyleOptionButton option;
    initStyleOption(&option);
    const int room = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).width() - 2;
    setFont(fittedFont(shown, text(), room, 5));
}

void MenuButtonWidget::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.features &= ~QStyleOptionButton::HasMenu;
    painter.drawControl(QStyle::CE_PushButton, option);
}
