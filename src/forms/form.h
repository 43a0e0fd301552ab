#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

enum class WindowState { NotLoaded, Hidden, Shown };

// What a window is to the logic: loaded or not, shown or not, and when it was last brought to
// the front. The shell creates, shows and raises the real window to match; serials only grow, so
// the shell tells a fresh load or a new Show from the one it has already carried out.
class FormWindow {
public:
    explicit FormWindow(std::string caption) : Caption(std::move(caption)) {}
    virtual ~FormWindow() = default;

    const std::string Caption;
    float Width = 0;  // outer width in twips, as the shell last reported it

    std::function<void()> onResize;
    std::function<void()> onUnload;  // raised while the window is still loaded
    std::function<void()> onClick;

    WindowState state() const { return m_state; }
    std::uint64_t loadSerial() const { return m_loadSerial; }
    std::uint64_t raiseSerial() const { return m_raiseSerial; }

    // Makes the window visible without blocking and brings it to the front, loading it first.
    void Show();
    // Hides a loaded window, which stays loaded; hiding a window that is not loaded does nothing.
    void Hide();
    // Destroys the window; unloading a window that is not loaded does nothing.
    void Unload();
    // The window's outer width has become `outerWidth`.
    void resize(float outerWidth);
    void click();

protected:
    void load();
    virtual void createControls() {}
    virtual void destroyControls() {}

private:
    WindowState m_state = WindowState::NotLoaded;
    std::uint64_t m_loadSerial = 0;
    std::uint64_t m_raiseSerial = 0;
};

// A window whose controls exist only while it is loaded. Any use of a control loads it hidden;
// `onLoad` connects the fresh controls' notifications to their handlers at every load.
template <class Controls>
class LazyForm : public FormWindow {
public:
    using FormWindow::FormWindow;

    std::function<void(Controls&)> onLoad;

    // The controls, loading the window hidden first where it is not loaded.
    Controls& controls()
    {
        load();
        return *m_controls;
    }

    // For the view: the controls if loaded, without loading them.
    const Controls* ifLoaded() const { return m_controls ? &*m_controls : nullptr; }

private:
    void createControls() override
    {
        m_controls.emplace();
        if (onLoad)
            onLoad(*m_controls);
    }
    void destroyControls() override { m_controls.reset(); }

    std::optional<Controls> m_controls;
};
