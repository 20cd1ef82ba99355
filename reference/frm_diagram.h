// The diagram page: a side view of a hydroelectric scheme with the heights the formula uses.
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class Frm_Diagram;
}

namespace torrentix {

class Frm_Diagram : public QWidget {
    Q_OBJECT
public:
    explicit Frm_Diagram(QWidget* parent = nullptr);
    ~Frm_Diagram() override;

private:
    void Command1_Click(); // Main page

    std::unique_ptr<Ui::Frm_Diagram> ui;
};

} // namespace torrentix
