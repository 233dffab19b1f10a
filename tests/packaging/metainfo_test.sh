#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The AppStream metainfo, validated strictly by the AppStream installed here.
# The file follows AppStream 1.0 (Debian 13), which wants the developer as
# <developer>; AppStream before 1.0 (Debian 12) does not know that tag yet,
# and the one note it may make is about it.
#   metainfo_test.sh APPSTREAMCLI METAINFO
set -u
appstreamcli=$1
metainfo=$2
report=$("$appstreamcli" validate --no-net --strict "$metainfo" 2>&1) && exit 0
echo "$report"
case "$("$appstreamcli" --version)" in
    *" 0."*) ;;
    *) exit 1 ;;
esac
others=$(echo "$report" | grep -E '^[EWI]: ' | grep -Ev ':[0-9]+: unknown-tag developer$')
if [ -n "$others" ]; then
    exit 1
fi
echo "AppStream $("$appstreamcli" --version | sed 's/.* //') knows no <developer>: nothing else to note"
