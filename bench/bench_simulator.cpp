#include "PatientDataSimulator.h"

#include <QtTest>

// One simulator tick: recompute the twelve patients, shift their histories, stamp and emit the snapshot.
class bench_simulator : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void advance();
    void advanceWithListenerKeepingCopy();
};

void bench_simulator::advance()
{
    PatientDataSimulator sim;
    QBENCHMARK
    {
        sim.advance();
    }
    QVERIFY(sim.snapshot().tick > 0);
}

// The window stores every snapshot it receives, so each tick detaches what the last copy still shares.
void bench_simulator::advanceWithListenerKeepingCopy()
{
    PatientDataSimulator sim;
    HealthSnapshot kept;
    connect(&sim, &PatientDataSimulator::snapshotChanged, this, [&kept](const HealthSnapshot& s) { kept = s; });
    QBENCHMARK
    {
        sim.advance();
    }
    QCOMPARE(kept.tick, sim.snapshot().tick);
}

QTEST_GUILESS_MAIN(bench_simulator)
#include "bench_simulator.moc"
