#!/bin/sh
# vorlinde-locate gives each target's point whatever targets came before it: a bench control
# named after an oscilloscope one (the bench then shown again) lies where it lies alone.
# Usage: locate-order.sh LOCATE
set -u
locate=$1
alone=$("$locate" Chargedecharge.powerctl Chargedecharge.ValR 2>/dev/null)
after=$("$locate" Oscillo.Powerclick Chargedecharge.powerctl Chargedecharge.ValR 2>/dev/null | tail -n 2)
scope_alone=$("$locate" Oscillo.Powerclick 2>/dev/null)
scope_after=$("$locate" Chargedecharge.powerctl Oscillo.Powerclick 2>/dev/null | tail -n 1)
status=0
[ "$alone" = "$after" ] || { printf 'bench alone:\n%s\nafter the oscilloscope:\n%s\n' "$alone" "$after"; status=1; }
[ "$scope_alone" = "$scope_after" ] || { printf 'scope alone: %s, after the bench: %s\n' "$scope_alone" "$scope_after"; status=1; }
case "$alone" in *\?*|"") echo "no point for the bench: $alone"; status=1 ;; esac
exit $status
