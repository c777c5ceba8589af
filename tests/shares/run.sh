#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Calquin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The results record on a school's file server, as a classroom computer mounts it through FUSE:
# SSHFS (openssh-server and sshfs, as LTSP thin clients mount home folders) and SMB (samba and
# smbnetfs, as Windows and most school servers share folders). Both servers are started here on
# 127.0.0.1 with configurations and keys of their own, and stopped at the end. On each share:
#   - three pupils with two windows each append at once: no row lost, torn or interleaved;
#   - the server is stopped for a second while two pupils answer: the drill goes on (no answer
#     waits a second), and the rows are written, whole, once the server is back, but for one
#     whose sync failed as the server went away, which is named on standard error;
#   - the share is full: the rows that do not fit are named, and no half row is left;
#   - `calquin --report` reads the folder over the share.
# Rows come from tests/shares/share_writer, which appends as a window does, without a display.
#
# Usage: tests/shares/run.sh [BUILD]      (default: build/default)
# Needs root (smbd on port 445, a small tmpfs for the full share, FUSE mounts) and
# openssh-server, sshfs, samba and smbnetfs (scripts/setup.sh full).
# Runtime on 2 shared cores: about 25 s.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(realpath "${1:-$root/build/default}")
writer="$build/tests/shares/share_writer"
calquin="$build/calquin"
for program in "$writer" "$calquin"; do
    [ -x "$program" ] || { echo "shares: $program is missing; build first" >&2; exit 2; }
done
for command in /usr/sbin/sshd sshfs smbd smbpasswd smbnetfs; do
    command -v "$command" >/dev/null ||
        { echo "shares: $command is missing: scripts/setup.sh full" >&2; exit 2; }
done
[ "$(id -u)" -eq 0 ] || { echo "shares: needs root (port 445, tmpfs, FUSE)" >&2; exit 2; }
[ -c /dev/fuse ] || { echo "shares: /dev/fuse is missing; the shares are mounted through FUSE" >&2; exit 2; }

work=$(mktemp -d /tmp/calquin-shares.XXXXXX)
servers=()   # pids of the servers started here
mounts=()

# Stops a server this script started, and the processes it started for its clients.
stop_server() {
    local pid=$1 children
    children=$(cat /proc/"$pid"/task/*/children 2>/dev/null || true)
    kill "$pid" $children 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

# shellcheck disable=SC2317  # called by the trap
finish() {
    for mount in "${mounts[@]}"; do
        umount "$mount" 2>/dev/null || umount -l "$mount" 2>/dev/null || true
    done
    for pid in "${servers[@]}"; do
        stop_server "$pid"
    done
    [ -n "${CALQUIN_SHARES_KEEP:-}" ] || rm -rf "$work"
}
trap finish EXIT

failures=0
fail() {
    echo "shares: FAIL: $*" >&2
    failures=$((failures + 1))
}

# The report's answers for `pupil` in `folder`, and whether it skipped any row.
answers() {
    "$calquin" --report "$1" | awk -v pupil="$2" '$1 == pupil { print $2; exit }'
}
check_whole_rows() {
    if "$calquin" --report "$1" | grep -q "skipped"; then
        fail "$2: rows that cannot be read in $1"
    fi
}

# Three pupils, two windows each, long rows (3,000-byte answers, more than a pipe's atomic
# write), all at once.
windows_at_once() {
    local share=$1 folder=$2
    mkdir "$folder"
    local pids=()
    for pupil in anna ben cleo; do
        for window in 1 2; do
            "$writer" "$folder" "$pupil" pc-1 100 3000 0 >/dev/null 2>"$work/errors-$pupil-$window" &
            pids+=($!)
        done
    done
    wait "${pids[@]}"
    for pupil in anna ben cleo; do
        [ "$(answers "$folder" "$pupil")" = 200 ] || fail "$share: $pupil has $(answers "$folder" "$pupil") of 200 rows"
    done
    if [ -n "$(cat "$work"/errors-*)" ]; then
        fail "$share: writers complained: $(head -3 "$work"/errors-*)"
    fi
    check_whole_rows "$folder" "$share, windows at once"
}

# The server goes away for a second while two pupils answer one question every 50 ms.
server_stopped() {
    local share=$1 folder=$2 server_folder=$3 stop=$4 start=$5
    mkdir "$folder"
    local pids=() started=$SECONDS
    for pupil in dora emil; do
        "$writer" "$folder" "$pupil" pc-1 60 100 50 >"$work/stopped-$pupil" 2>"$work/stopped-$pupil.errors" &
        pids+=($!)
    done
    sleep 0.7
    "$stop"
    sleep 1
    "$start"
    wait "${pids[@]}"
    [ $((SECONDS - started)) -lt 30 ] || fail "$share: the writers took $((SECONDS - started)) s"
    for pupil in dora emil; do
        local written lost slowest found
        read -r _ _ _ written _ lost _ slowest <"$work/stopped-$pupil"
        # The window waits a quarter of a second at most, whatever the server does.
        [ "$slowest" -lt 1000 ] || fail "$share: $pupil waited $slowest ms for a row"
        found=$(answers "$server_folder" "$pupil")
        found=${found:-0}
        # A second is well within the half minute rows wait for a share to come back; only a row
        # whose sync failed as the server went away is named lost (and may still have arrived).
        if [ "$lost" -gt 2 ] || [ "$found" -lt "$written" ] || [ "$found" -gt 60 ]; then
            fail "$share: $pupil wrote $written and named $lost lost, the server holds $found"
        fi
        echo "shares: $share stopped for 1 s: $pupil: $written written, $lost named lost," \
            "$found on the server, the longest wait $slowest ms"
    done
    check_whole_rows "$server_folder" "$share, server stopped"
}

# A share with 64 KB of room: the rows that do not fit are named lost, and none is half there.
share_full() {
    local share=$1 folder=$2 server_folder=$3
    mkdir -p "$server_folder"
    mount -t tmpfs -o size=64k tmpfs "$server_folder"
    mounts=("$server_folder" "${mounts[@]}")
    local written lost
    read -r _ _ _ written _ lost _ < <("$writer" "$folder" fred pc-1 40 3000 0 2>"$work/full.errors")
    [ "$lost" -gt 0 ] || fail "$share: a full share lost nothing?"
    grep -q "No space left on device\|Input/output error\|Failure" "$work/full.errors" ||
        fail "$share: the full share was not named: $(head -1 "$work/full.errors")"
    [ "$(answers "$server_folder" fred)" = "$written" ] ||
        fail "$share: $written rows written, the server holds $(answers "$server_folder" fred)"
    check_whole_rows "$server_folder" "$share, full"
    echo "shares: $share full: $written written, $lost named lost"
}

# --- SSHFS ---
ssh_dir="$work/ssh"
mkdir -p "$ssh_dir/served" "$ssh_dir/mount" /run/sshd
ssh-keygen -q -t ed25519 -N "" -f "$ssh_dir/host_key"
ssh-keygen -q -t ed25519 -N "" -f "$ssh_dir/client_key"
cp "$ssh_dir/client_key.pub" "$ssh_dir/authorized_keys"
cat >"$ssh_dir/sshd_config" <<EOF
ListenAddress 127.0.0.1
Port 2222
HostKey $ssh_dir/host_key
AuthorizedKeysFile $ssh_dir/authorized_keys
PermitRootLogin prohibit-password
PasswordAuthentication no
KbdInteractiveAuthentication no
UsePAM no
StrictModes no
PidFile none
Subsystem sftp internal-sftp
EOF
start_sshd() {
    /usr/sbin/sshd -D -e -f "$ssh_dir/sshd_config" 2>>"$ssh_dir/sshd.log" &
    sshd_pid=$!
    servers+=("$sshd_pid")
    for _ in $(seq 50); do
        grep -q "Server listening" "$ssh_dir/sshd.log" 2>/dev/null && break
        sleep 0.1
    done
}
stop_sshd() {
    stop_server "$sshd_pid"
    : >"$ssh_dir/sshd.log"
}
start_sshd
sshfs -p 2222 -o "IdentityFile=$ssh_dir/client_key,StrictHostKeyChecking=no" \
    -o "UserKnownHostsFile=/dev/null,BatchMode=yes,reconnect,ServerAliveInterval=1" \
    "root@127.0.0.1:$ssh_dir/served" "$ssh_dir/mount"
mounts+=("$ssh_dir/mount")

windows_at_once sshfs "$ssh_dir/mount/at-once"
server_stopped sshfs "$ssh_dir/mount/stopped" "$ssh_dir/served/stopped" stop_sshd start_sshd
share_full sshfs "$ssh_dir/mount/full" "$ssh_dir/served/full"

# --- SMB ---
smb_dir="$work/smb"
mkdir -p "$smb_dir/served" "$smb_dir/mount" "$smb_dir/state" "$smb_dir/home/.smb"
cat >"$smb_dir/smb.conf" <<EOF
[global]
    interfaces = 127.0.0.1
    bind interfaces only = yes
    smb ports = 445
    server role = standalone server
    passdb backend = tdbsam:$smb_dir/state/passdb.tdb
    private dir = $smb_dir/state
    lock directory = $smb_dir/state
    state directory = $smb_dir/state
    cache directory = $smb_dir/state
    pid directory = $smb_dir/state
    ncalrpc dir = $smb_dir/state/ncalrpc
    log file = $smb_dir/state/log.%m
    load printers = no
    printcap name = /dev/null
    disable spoolss = yes
    map to guest = never
[results]
    path = $smb_dir/served
    read only = no
    create mask = 0640
EOF
printf 'calquin-share-test\ncalquin-share-test\n' | smbpasswd -c "$smb_dir/smb.conf" -s -a root >/dev/null
# In a session of its own: smbd ends its whole process group when it stops.
start_smbd() {
    setsid smbd --foreground --no-process-group --configfile="$smb_dir/smb.conf" </dev/null \
        >>"$smb_dir/state/smbd.out" 2>&1 &
    smbd_pid=$!
    servers+=("$smbd_pid")
    for _ in $(seq 50); do
        (exec 3<>/dev/tcp/127.0.0.1/445) 2>/dev/null && break
        sleep 0.1
    done
}
stop_smbd() {
    stop_server "$smbd_pid"
}
start_smbd
printf 'host 127.0.0.1 visible=true\nauth "root" "calquin-share-test"\n' \
    >"$smb_dir/home/.smb/smbnetfs.conf"
chmod 600 "$smb_dir/home/.smb/smbnetfs.conf"
HOME="$smb_dir/home" smbnetfs "$smb_dir/mount"
mounts+=("$smb_dir/mount")
share="$smb_dir/mount/127.0.0.1/results"
for _ in $(seq 50); do
    [ -d "$share" ] && break
    sleep 0.1
done

windows_at_once smb "$share/at-once"
server_stopped smb "$share/stopped" "$smb_dir/served/stopped" stop_smbd start_smbd
share_full smb "$share/full" "$smb_dir/served/full"

if [ "$failures" -gt 0 ]; then
    echo "shares: $failures failed" >&2
    exit 1
fi
echo "shares: sshfs and smb passed"
