#!/usr/bin/env bash
# Benchmarks at 2,000 houses and 240,000 bills. Run after scripts/build.sh.
# The large file is made once, in build/bench-work/.
set -euo pipefail
cd "$(dirname "$0")/.."
BIN="$PWD/build/bin"
WORK="$PWD/build/bench-work"
mkdir -p "$WORK"
if [ ! -f "$WORK/Data.dx" ]; then
  echo "== making the large file"
  (cd "$WORK" && time "$BIN/tenvora-initdb" --houses 2000 --bills-per-house 120)
fi

echo "== data module (our layer)"
"$BIN/bench_data_module" "$WORK"

echo "== the same statements in the sqlcipher shell (best of 5 after a warm-up; the shell times in whole ms)"
address=$(sqlcipher "$WORK/Data.dx" "PRAGMA key='Kv7mQp2Lw9Tz'; SELECT 地址 FROM 房屋资料 ORDER BY 地址 LIMIT 1;" | tail -n 1)
now="datetime('now','localtime')"
houses="select IDS, 备注, 地址, 结束日期, 目前租户, 起租日期, 押金, (SELECT '是' FROM 单据明细 WHERE (住址= 房屋资料.地址) AND (至租金日期 >= date($now,'-1 day')) AND (julianday($now)>=julianday(租金日期)) AND (julianday($now)<=julianday(至租金日期)+1) LIMIT 1) AS 已交, (SELECT MAX(至租金日期) FROM 单据明细 WHERE  (住址= 房屋资料.地址) ) AS 租金交至 from 房屋资料 order by 地址"
bills="SELECT *, (电费本月读数-电费上月读数) AS 电费实用, (水费本月读数-水费上月读数) AS 水费实用 from 单据明细 WHERE (住址='$address') ORDER BY 单号 DESC"
for name in houses next_number bills; do
  case $name in
    houses) sql="$houses" ;;
    next_number) sql="SELECT MAX(单号) AS DH FROM 单据明细" ;;
    bills) sql="$bills" ;;
  esac
  script="PRAGMA key='Kv7mQp2Lw9Tz';
SELECT count(*) FROM sqlite_master;
.output /dev/null
.timer on"
  for _ in 1 2 3 4 5 6; do script="$script
$sql;"; done
  best=$(printf '%s\n' "$script" | sqlcipher "$WORK/Data.dx" 2>&1 | sed -n 's/^Run Time: real \([0-9.]*\).*/\1/p' | tail -n 5 | sort -n | head -n 1)
  printf '%-36s best %8.3f ms\n' "$name" "$(awk -v s="$best" 'BEGIN { print s * 1000 }')"
done

echo "== start of the program to its first painted window (10 starts)"
export TMPDIR
TMPDIR=$(mktemp -d)
export XDG_RUNTIME_DIR="$TMPDIR"
if [ -z "${DISPLAY:-}" ]; then
  # One virtual display for all starts, so its own start-up is not counted.
  Xvfb :97 -screen 0 1280x800x24 >/dev/null 2>&1 &
  xvfb_pid=$!
  trap 'kill $xvfb_pid' EXIT
  export DISPLAY=:97
  sleep 1
fi
times=()
for _ in $(seq 10); do
  t=$(cd "$WORK" && TENVORA_BENCH_T0="$(date +%s%N)" "$BIN/bench_first_window")
  times+=("$t")
done
printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {printf "first window                         median %8.1f ms   min %8.1f ms   max %8.1f ms\n", a[int((NR+1)/2)], a[1], a[NR]}'
