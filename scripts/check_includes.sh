#!/usr/bin/env bash
# Fails on a framework include that runs against the folder dependencies:
#   core/ (with layout/ and windows/) never includes controls/, views/, charts/ or ribbon/;
#   theme/ includes of core/ only the interface headers listed below, and nothing of the controls;
#   platform/ includes nothing of the framework;
#   no framework file includes app/ or climbs out of its folder with "..".
set -euo pipefail

FRAMEWORK="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../framework" && pwd)}"
THEME_MAY_USE='core/(KIVQtLibGlobal|StyleTypes|IKIVQWidgetBase|JsonRead|ControlWalk|Limits)\.h'
CONTROL_FOLDERS='(controls|views|charts|ribbon)/'

failures=0
report() {
    echo "$1: $2 ($3)"
    failures=$((failures + 1))
}

while IFS= read -r -d '' file; do
    rel="${file#"$FRAMEWORK"/}"
    while IFS= read -r include; do
        case "$rel" in
        core/*)
            [[ "$include" =~ ^$CONTROL_FOLDERS ]] && report "$rel" "$include" "core does not know the controls"
            ;;
        theme/*)
            if [[ "$include" =~ ^core/ ]] && ! [[ "$include" =~ ^$THEME_MAY_USE$ ]]; then
                report "$rel" "$include" "theme uses only the interface headers of core"
            fi
            [[ "$include" =~ ^($CONTROL_FOLDERS|platform/) ]] && report "$rel" "$include" "theme does not know the controls"
            ;;
        platform/*)
            [[ "$include" =~ ^(core|theme|platform)/|^$CONTROL_FOLDERS ]] &&
                report "$rel" "$include" "platform includes nothing of the framework"
            ;;
        esac
        [[ "$include" =~ ^app/|\.\. ]] && report "$rel" "$include" "outside the framework"
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find "$FRAMEWORK" -type f \( -name '*.h' -o -name '*.cpp' \) -print0)

if [ "$failures" -ne 0 ]; then
    echo "$failures include(s) against the folder dependencies"
    exit 1
fi
echo "include directions: clean"
