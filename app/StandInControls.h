#pragma once

// STAND-INS until the framework's stack container and image control land: only what the dashboard
// frame calls of them. Replace each by its framework control and delete this file.

#include "core/KIVQContainer.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QWidget>

// Stand-in for the stack container: one visible page at a time, fitted to the stack.
class StandInPageStack : public KIVQtLib::KIVQContainer
{
    Q_OBJECT
public:
    explicit StandInPageStack(QWidget* parent = nullptr);

    int addWidget(QWidget* page);
    // An index outside the page list is ignored.
    void setCurrentIndex(int index);
    int currentIndex() const { return m_current; }
    int count() const { return m_pages.size(); }
    QWidget* widget(int index) const { return m_pages.value(index); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitCurrent();

    QList<QWidget*> m_pages;
    int m_current = -1;
};

// Stand-in for the image control: an SVG stretched over the widget, drawn in one colour.
class StandInSvgIcon : public QWidget
{
    Q_OBJECT
public:
    explicit StandInSvgIcon(QWidget* parent = nullptr);

    void setSvgPath(const QString& path);
    QString svgPath() const { return m_path; }
    void setSvgColor(const QColor& colour);
    QColor svgColor() const { return m_colour; }
    // Keeps the icon centred in its parent, as a control docked centre-centre would be.
    void setCentredInParent(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

    void paintEvent(QPaintEvent* event) override;

private:
    void centre();

    QString m_path;
    bool m_centred = false;
    QColor m_colour{Qt::black};
};
