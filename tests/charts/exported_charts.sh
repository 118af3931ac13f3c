#!/usr/bin/env bash
# The program publishes the two trace charts and none of the OpenGL charts or their base.
set -euo pipefail
symbols="$(nm -D --defined-only "$1" | c++filt)"
failures=0
for class in KIVQECGChart KIVQICDChart; do
    if ! grep -q "KIVQtLib::$class::" <<<"$symbols"; then
        echo "not exported: $class"
        failures=$((failures + 1))
    fi
done
if grep -E "KIVQtLib::(KIVQChartBase|KIVQBarChart|KIVQLineChart|KIVQOpenGLPieChart|KIVQScatterChart|KIVQFinancialChart)\b" <<<"$symbols" | head -5; then
    echo "an OpenGL chart class is exported"
    failures=$((failures + 1))
fi
exit "$failures"
