// The formula page: what the calculator computes and the units of its quantities.
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class Frm_HydroPowerFormula;
}

namespace torrentix {

class Frm_HydroPowerFormula : public QWidget {
    Q_OBJECT
public:
    explicit Frm_HydroPowerFormula(QWidget* parent = nullptr);
    ~Frm_HydroPowerFormula() override;

private:
    void Command1_Click(); // Main page

    std::unique_ptr<Ui::Frm_HydroPowerFormula> ui;
};

} // namespace torrentix
