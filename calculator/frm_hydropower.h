// The calculator window: four inputs, Solve and Reset, and the way to the other windows.
#pragma once

#include <QWidget>

#include <array>
#include <memory>

class QLabel;

namespace Ui {
class Frm_Hydropower;
}

namespace torrentix {

class Frm_Hydropower : public QWidget {
    Q_OBJECT
public:
    explicit Frm_Hydropower(QWidget* parent = nullptr);
    ~Frm_Hydropower() override;

private:
    void Command1_Click(); // Solve
    void Command2_Click(); // Reset
    void Command3_Click(); // About
    void Command4_Click(); // Diagram
    void Command5_Click(); // Exit
    void Command6_Click(); // Formula

    // The six labels a refused input hides and Reset shows again, in that order.
    std::array<QLabel*, 6> resultLabels() const;
    void HideResults();

    std::unique_ptr<Ui::Frm_Hydropower> ui;
};

} // namespace torrentix
