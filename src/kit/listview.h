#pragma once

#include <QListView>

namespace lumo {

// The list inside KNavigationBar: no frame, no scroll bars of its own, and a
// height that fits its items so the surrounding scroll area does the scrolling.
class ListView : public QListView
{
    Q_OBJECT
public:
    explicit ListView(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    void updateHeight();
};

} // namespace lumo
