#pragma once

// A minimal control written to the control pattern, for tests of the model, registry, walks and windows.

#include "core/KIVQControl.h"

#include <QWidget>

namespace KIVQtLib {

class TestControlImpl : public KIVQWidgetBaseImpl
{
    Q_OBJECT
public:
    using KIVQWidgetBaseImpl::KIVQWidgetBaseImpl;

    void serializeJson(ControlJson& io) override;
    void paint(QPainter* painter, const QRect& rect) override;
    void onLanguageChanged() override { ++languageChanges; }
    void onCreateComplete() override { ++createCompletes; }

    FillStyle background;  // style code 0
    TextStyleDesc caption; // style code 1
    QString text;          // attr "text", default ""
    int count = 0;         // attr "count", default 0
    bool flag = true;      // attr "flag", default true
    int reads = 0;         // worker runs with read = true
    int themeReads = 0;    // of which with the loading-from-theme flag set
    int languageChanges = 0;
    int createCompletes = 0;
    int paints = 0;
};

class TestControl : public KIVQControlBase<TestControl, QWidget, TestControlImpl>
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit TestControl(QWidget* parent = nullptr);

    static const char* typeName() { return "qttestcontrol"; }
    static QWidget* createTestControl() { return new TestControl; }
    static ControlInfo getProps();

    TestControlImpl* d() const { return impl(); }
};

// The same control answering another type name, to stand in for a label, a button or a container
// where code decides by type name.
class TypedTestControl : public TestControl
{
    Q_OBJECT
public:
    explicit TypedTestControl(const QString& type, QWidget* parent = nullptr) : TestControl(parent), m_type(type) {}
    QString getTypeName() override { return m_type; }

private:
    QString m_type;
};

} // namespace KIVQtLib
