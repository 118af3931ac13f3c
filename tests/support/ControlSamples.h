#pragma once

// What every registered control type is tried with: the contract test checks each against it, the
// designer canvas saves a page of them.

#include <QByteArray>
#include <QList>

namespace TestSupport {

struct ControlSample
{
    // What a default control writes besides the common keys and "theme", as compact JSON.
    QByteArray defaults;
    // A "style" and "attr" that set every key the control writes to something other than its default,
    // naming the styles contractFill, contractFillDown (fills) and contractText.
    QByteArray sample;
    // The signals the control's own event handlers emit (its click among them), space-separated.
    const char* handlerSignals;
};

// The row of a registered type name; null for a type without one.
const ControlSample* controlSample(const QByteArray& type);

// Every type the registry describes, and those it makes by name only.
QList<QByteArray> controlTypes();

} // namespace TestSupport
