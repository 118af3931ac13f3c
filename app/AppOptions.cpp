#include "AppOptions.h"

#include "core/Limits.h"

namespace {

// Larger windows would ask for gigabytes of backing store; such a size is treated as malformed.
constexpr int kMaxDimension = KIVQtLib::limits::kMaxWindowSide;
constexpr qint64 kMaxArea = KIVQtLib::limits::kMaxWindowPixels;

bool parseSize(const QString& value, QSize& size)
{
    const QStringList parts = value.toLower().split(QLatin1Char('x'), Qt::KeepEmptyParts);
    if (parts.size() != 2)
        return false;
    // A part that is no number counts as 0, which the window's minimum then raises.
    const int width = parts.at(0).toInt(nullptr, 10);
    const int height = parts.at(1).toInt(nullptr, 10);
    // Both sides may be within the cap and still ask for a 1 GiB window. A side below the window's minimum
    // is raised to it later, which keeps such a window far below the area cap.
    if (width > kMaxDimension || height > kMaxDimension || qint64(qMax(width, 0)) * qMax(height, 0) > kMaxArea)
        return false;
    size = QSize(width, height);
    return true;
}

} // namespace

int pageIndexFromName(const QString& name)
{
    static const char* const names[] = {"patients", "monitoring", "reports", "appointments"};
    for (int i = 0; i < 4; ++i) {
        if (name.compare(QLatin1String(names[i]), Qt::CaseInsensitive) == 0)
            return i + 1;
    }
    return 0;
}

AppOptions parseOptions(const QStringList& arguments)
{
    AppOptions options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& word = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        // A value option takes the next word whatever it looks like, even another option word.
        if (hasValue && word == QLatin1String("--screenshot")) {
            options.screenshotPath = arguments.at(++i);
        } else if (hasValue && word == QLatin1String("--size")) {
            parseSize(arguments.at(++i), options.size);
        } else if (hasValue && word == QLatin1String("--page")) {
            options.page = pageIndexFromName(arguments.at(++i));
        } else if (hasValue && word == QLatin1String("--patient")) {
            options.patientId = arguments.at(++i);
        } else if (word == QLatin1String("--en")) {
            options.english = true;
        } else if (word == QLatin1String("--drawer")) {
            options.drawer = true;
        }
    }
    return options;
}
