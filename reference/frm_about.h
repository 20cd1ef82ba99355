// The about box: the maker's picture, the product name and the rights notice.
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class frm_About;
}

namespace torrentix {

class frm_About : public QWidget {
    Q_OBJECT
public:
    explicit frm_About(QWidget* parent = nullptr);
    ~frm_About() override;

private:
    void Command1_Click(); // Close

    std::unique_ptr<Ui::frm_About> ui;
};

} // namespace torrentix
