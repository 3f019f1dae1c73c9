#!/usr/bin/env bash
# Writes the settings file of the worked example (300 fps, 400 grains, 28 inches, 9 gpi,
# spine 400, 100 grain broadhead, 60 lbs, two 0.5 by 1 inch blades, 20 yards, 8 inch group,
# 50% safety) into CONFIG_HOME/KESTA/KESTA.ini, where the window's per-user store reads it
# when XDG_CONFIG_HOME=CONFIG_HOME.
set -euo pipefail
config_home=${1:?usage: example-settings.sh CONFIG_HOME}
mkdir -p "$config_home/KESTA"
cat > "$config_home/KESTA/KESTA.ini" <<'INI'
[values]
speed=300
mass=400
length=28
staticspine=400
shaftweight=9
BHW=100
BH0=0.5
BH1=1
BH2=0.5
BH3=1
BH4=
BH5=
BH6=
BH7=
BH8=
BH9=
BH10=
BH11=
Dist12=20
Circ12=8
Safety2=True
ShaftDia=0
DrawWeigth=60
INI
