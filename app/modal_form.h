// The core side of a modal window: whether it is loaded, and its load and unload steps.
#pragma once

#include <functional>
#include <string>

class Platform;

class ModalForm {
public:
    explicit ModalForm(std::string name) : name_(std::move(name)) {}
    virtual ~ModalForm() = default;
    ModalForm(const ModalForm&) = delete;
    ModalForm& operator=(const ModalForm&) = delete;

    // The window's object name, by which the platform finds its view.
    const std::string& Name() const { return name_; }
    bool IsOpen() const { return open_; }

    // Loads the form, shows it modally and returns once it has been closed. A form that is open
    // already is left as it is: a window is never shown inside itself.
    void ShowModal(Platform& platform);

    // Unloads the form, from its own close control or from elsewhere in the game.
    void Close();

    // Set by the platform while the form is on screen, so that closing it from code also takes
    // the window down and ends its modal wait.
    std::function<void()> onClosed;

    // Set by the form's view while it is on screen: the form calls it when its fields changed
    // by themselves (a timer tick, a scan), so the view shows them.
    std::function<void()> onChanged;
    void Changed() {
        if (onChanged) onChanged();
    }

protected:
    virtual void OnLoad() {}
    virtual void OnUnload() {}

private:
    std::string name_;
    bool open_ = false;
};
