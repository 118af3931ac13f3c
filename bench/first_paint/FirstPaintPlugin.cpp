// Loaded into a program by the start-up benchmark (QT_QPA_GENERIC_PLUGINS=carevixfirstpaint): ends the
// process as soon as its first window has been painted, so that the process's run time is its start-up.
#include <QCoreApplication>
#include <QEvent>
#include <QGenericPlugin>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

class FirstPaintExit : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // The rest of the window is painted in the same pass; leave once it is done.
            QTimer::singleShot(0, [] {
                std::fputs("first paint\n", stdout);
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

class FirstPaintPlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "first_paint.json")
public:
    QObject* create(const QString& key, const QString&) override
    {
        if (key.compare(QLatin1String("carevixfirstpaint"), Qt::CaseInsensitive) != 0)
            return nullptr;
        auto* filter = new FirstPaintExit;
        QCoreApplication::instance()->installEventFilter(filter);
        return filter;
    }
};

#include "FirstPaintPlugin.moc"
