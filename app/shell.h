// The four window slots and the two operations on them, Show and Unload. One instance per
// kind of window, created on first use; the program ends when no window is loaded.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

namespace torrentix {

enum class WindowKind { Hydropower, HydroPowerFormula, Diagram, About };
inline constexpr std::size_t WindowKindCount = 4;

class Shell;

// One kind's instance: not loaded (no window, no controls) or loaded (window shown).
class WindowInstance {
public:
    // Loads the window in its designed state if needed, then brings it to the front and
    // activates it. Never waits for the window to close.
    void Show();
    // Destroys the window and its controls; the instance stays, not loaded.
    void Unload();

    bool loaded() const { return !window_.isNull(); }
    // The loaded window, or null.
    QWidget* window() const { return window_.data(); }

private:
    friend class Shell;
    WindowInstance(Shell& shell, WindowKind kind) : shell_(shell), kind_(kind) {}

    Shell& shell_;
    WindowKind kind_;
    QPointer<QWidget> window_;
};

class Shell : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<std::unique_ptr<QWidget>()>;

    // Window classes are registered by the program's start-up, so the shell knows none.
    explicit Shell(std::array<Factory, WindowKindCount> factories);
    ~Shell() override;
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    // The shell of this run; event procedures reach the other windows through it.
    static Shell& current();

    // The kind's one instance, created (not loaded) on first use.
    WindowInstance& Instance(WindowKind kind);
    // Whether the kind's slot has been filled yet.
    bool hasInstance(WindowKind kind) const;

    bool anyLoaded() const;

signals:
    // The last loaded window was unloaded: time for the program to end.
    void lastWindowUnloaded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class WindowInstance;
    void load(WindowInstance& instance);
    void unloaded(WindowInstance& instance);

    std::array<Factory, WindowKindCount> factories_;
    std::array<std::unique_ptr<WindowInstance>, WindowKindCount> slots_;
};

} // namespace torrentix
