#!/bin/sh
# vorlinde-locate gives each target's point whatever targets came before it: a bench control
# named after an oscilloscope one (the bench then shown again) lies where it lies alone; and
# whatever the C library's locale: "@0.25,0.75" reads the same under a French one.
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
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
if localedef -i fr_FR -f UTF-8 "$dir/fr_FR.UTF-8" >/dev/null 2>&1; then
    c=$(LC_ALL=C "$locate" Chargedecharge.powerctl@0.25,0.75 2>/dev/null)
    fr=$(LOCPATH=$dir LC_ALL=fr_FR.UTF-8 "$locate" Chargedecharge.powerctl@0.25,0.75 2>/dev/null)
    [ "$c" = "$fr" ] || { echo "under C: $c, under fr_FR: $fr"; status=1; }
else
    echo "localedef could not make fr_FR.UTF-8 (Debian package 'locales')"
    status=1
fi
exit $status
