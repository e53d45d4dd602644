#!/bin/sh
# A private CUPS server with two cups-pdf queues, for tests that print through CUPS without
# touching the system's CUPS.
#
#   private-cupsd.sh start DIR   starts cupsd with everything under DIR (created, must be new or
#                                empty) and prints "socket=PATH", "queue=NAME" (the default),
#                                "margins_queue=NAME", "wide_margins_queue=NAME",
#                                "spare_queue=NAME", "ppd=PATH" and "out=DIR" lines;
#                                on failure prints "skip: REASON" and exits 77.
#   private-cupsd.sh stop DIR    stops that cupsd.
#
# cups-pdf reads its configuration from a fixed place, /etc/cups/cups-pdf.conf; cupsd and its
# back ends therefore run in a private mount namespace in which our own file is mounted over it.
# That needs root and unshare(1); without them the test is skipped.

set -u
cmd=${1:-}
dir=${2:-}
queue=ruliform_test
# A second queue whose A4 sheet has a 12 pt (100 pixels at 600 dpi) unprintable border.
margins_queue=ruliform_margins
# A queue whose A4 sheet cannot be printed within 18 pt (6.35 mm) of its sides and 36 pt
# (12.7 mm) of its top and bottom.
wide_margins_queue=ruliform_wide_margins
# A third queue that tests may stop, remove and add again (with the PPD printed as "ppd=").
spare_queue=ruliform_spare

skip() {
    echo "skip: $*"
    [ -f "$dir/log/error_log" ] && tail -n 20 "$dir/log/error_log" | sed 's/^/  cupsd: /'
    [ -f "$dir/cupsd.pid" ] && kill "$(cat "$dir/cupsd.pid")" 2>/dev/null
    exit 77
}

case "$cmd" in
stop)
    if [ -f "$dir/cupsd.pid" ]; then
        pid=$(cat "$dir/cupsd.pid")
        kill "$pid" 2>/dev/null
        i=0
        while kill -0 "$pid" 2>/dev/null && [ $i -lt 50 ]; do sleep 0.1; i=$((i + 1)); done
        rm -f "$dir/cupsd.pid"
    fi
    exit 0
    ;;
start) ;;
*)
    echo "usage: $0 start|stop DIR" >&2
    exit 2
    ;;
esac

[ -n "$dir" ] || skip "no folder given"
[ "$(id -u)" = 0 ] || skip "cupsd and the cups-pdf back end need root"
for tool in cupsd lpadmin lpstat unshare mount; do
    command -v "$tool" >/dev/null 2>&1 || PATH=$PATH:/usr/sbin:/sbin
    command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed"
done
[ -x /usr/lib/cups/backend/cups-pdf ] || skip "the cups-pdf back end is not installed"
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -f "$ppd" ] || skip "the cups-pdf PPD is not installed"
[ -f /etc/cups/cups-pdf.conf ] || skip "/etc/cups/cups-pdf.conf is missing, nothing to mount over"

mkdir -p "$dir" || skip "cannot create $dir"
dir=$(cd "$dir" && pwd)
# Filters run as lp, so lp must reach the spool; the folders hold nothing secret.
chmod 755 "$dir"
mkdir -p "$dir/etc/ppd" "$dir/etc/ssl" "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log" \
    "$dir/out" "$dir/pdf-spool" || skip "cannot create the server folders"
chmod 1777 "$dir/spool/tmp" "$dir/out"
chmod 755 "$dir/spool" "$dir/cache" "$dir/state" "$dir/log"
socket="$dir/cups.sock"

cat >"$dir/etc/cupsd.conf" <<EOF
Listen $socket
LogLevel debug
Browsing No
WebInterface No
DefaultAuthType None
MaxJobs 50
PreserveJobHistory Yes
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF

cat >"$dir/etc/cups-files.conf" <<EOF
SystemGroup root
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ServerBin /usr/lib/cups
DataDir /usr/share/cups
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
FileDevice No
Sandboxing Relaxed
EOF

cat >"$dir/cups-pdf.conf" <<EOF
Out $dir/out
AnonDirName $dir/out
Spool $dir/pdf-spool
Log $dir/log
LogType 3
Grp root
UserUMask 0022
Label 0
TitlePref 0
EOF

# cupsd stays in the foreground inside its namespace; the shell records its pid first.
unshare -m --propagation private sh -c '
    mount --bind "$1/cups-pdf.conf" /etc/cups/cups-pdf.conf || exit 90
    echo $$ >"$1/cupsd.pid"
    exec cupsd -f -c "$1/etc/cupsd.conf" -s "$1/etc/cups-files.conf"
' sh "$dir" >"$dir/log/cupsd.out" 2>&1 &
launcher=$!

i=0
while [ ! -S "$socket" ] && [ $i -lt 100 ]; do
    kill -0 $launcher 2>/dev/null || break
    sleep 0.1
    i=$((i + 1))
done
if [ ! -S "$socket" ]; then
    wait $launcher 2>/dev/null
    rc=$?
    [ $rc = 90 ] && skip "cannot mount a private cups-pdf.conf (no mount namespace)"
    sed 's/^/  /' "$dir/log/cupsd.out"
    skip "cupsd did not start (exit $rc)"
fi

export CUPS_SERVER="$socket"
lpadmin -p "$queue" -E -v cups-pdf:/ -P "$ppd" >"$dir/log/lpadmin.out" 2>&1 ||
    skip "lpadmin could not add the cups-pdf queue: $(cat "$dir/log/lpadmin.out")"
lpadmin -d "$queue" >>"$dir/log/lpadmin.out" 2>&1 || skip "lpadmin could not make the queue the default"
sed 's|^\*ImageableArea A4/A4: .*|*ImageableArea A4/A4: "12 12 583 830"|' "$ppd" >"$dir/margins.ppd"
grep -q '"12 12 583 830"' "$dir/margins.ppd" || skip "the cups-pdf PPD has no A4 imageable area to change"
lpadmin -p "$margins_queue" -E -v cups-pdf:/ -P "$dir/margins.ppd" >>"$dir/log/lpadmin.out" 2>&1 ||
    skip "lpadmin could not add the second queue: $(cat "$dir/log/lpadmin.out")"
sed 's|^\*ImageableArea A4/A4: .*|*ImageableArea A4/A4: "18 36 577 806"|' "$ppd" >"$dir/wide-margins.ppd"
grep -q '"18 36 577 806"' "$dir/wide-margins.ppd" || skip "the cups-pdf PPD has no A4 imageable area to change"
lpadmin -p "$wide_margins_queue" -E -v cups-pdf:/ -P "$dir/wide-margins.ppd" >>"$dir/log/lpadmin.out" 2>&1 ||
    skip "lpadmin could not add the wide-margins queue: $(cat "$dir/log/lpadmin.out")"
lpadmin -p "$spare_queue" -E -v cups-pdf:/ -P "$ppd" >>"$dir/log/lpadmin.out" 2>&1 ||
    skip "lpadmin could not add the spare queue: $(cat "$dir/log/lpadmin.out")"
lpstat -p "$queue" >/dev/null 2>&1 || skip "the queue does not answer"

echo "socket=$socket"
echo "queue=$queue"
echo "margins_queue=$margins_queue"
echo "wide_margins_queue=$wide_margins_queue"
echo "spare_queue=$spare_queue"
echo "ppd=$ppd"
echo "out=$dir/out"
