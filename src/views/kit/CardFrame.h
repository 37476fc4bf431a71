#pragma once

#include <QFrame>
#include <QString>

class QLabel;
class QVBoxLayout;

// The rounded box each card of the diagnostics page is drawn in, with its header on top: a title in
// the card-title style and, at the trailing end, an optional widget (a server name, "Real-time"),
// or a header widget of the card's own, such as a CollapsibleHeader.
class CardFrame final : public QFrame {
    Q_OBJECT

public:
    CardFrame(const QString& title, QWidget* trailing, QWidget* parent);
    CardFrame(QWidget* header, QWidget* parent);

    // `owner` filled edge to edge with a new card.
    static CardFrame* fill(QWidget* owner, const QString& title, QWidget* trailing = nullptr);
    static CardFrame* fill(QWidget* owner, QWidget* header);

    // The column below the header.
    QVBoxLayout* content() const { return m_content; }

private:
    explicit CardFrame(QWidget* parent);

    QVBoxLayout* m_content = nullptr;
};

// An upper-case card title: caption, semibold, secondary colour.
QLabel* makeCardTitle(const QString& text, QWidget* parent = nullptr);
