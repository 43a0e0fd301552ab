#pragma once

#include <QPushButton>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class QMenu;
struct MenuButton;

// A model's menu button: a push button that opens a menu of the items the model lists, in their
// order, chosen with the mouse or with the arrow keys and Enter. Choosing one reports its index
// among all the model's items. It looks like the buttons beside it, with no menu arrow, and its
// caption in a font small enough to show whole.
class MenuButtonWidget : public QPushButton {
public:
    MenuButtonWidget(const MenuButton& model, std::function<void(std::size_t item)> chose, QWidget* parent);

    // Brings the place, the caption and the listed items up to date with the model.
    void sync();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fitCaption();

    const MenuButton& m_model;
    std::function<void(std::size_t)> m_chose;
    QMenu* m_menu = nullptr;
    std::string m_caption;
    std::vector<std::string> m_listed;  // the captions of the items the menu shows
};
