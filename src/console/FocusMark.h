#pragma once

#include <QPointer>
#include <QWidget>

// The console's mark around the field the operator types into: a bright frame drawn over the miniature,
// which the board on the projector never shows.
class FocusMark : public QWidget
{
    Q_OBJECT

public:
    explicit FocusMark(QWidget *miniature);

    // Surrounds field, a child of the miniature, or hides when there is none.
    void mark(QWidget *field);
    // Follows the field after the miniature was laid out anew.
    void follow();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPointer<QWidget> m_field;
};
