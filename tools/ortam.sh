# Shared by run.sh and test.sh: Debian packages and the build.
MIVO_PAKETLER="build-essential cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite
libqt6sql6-psql qt6-image-formats-plugins libqt6svg6-dev libqt6svg6 libxlsxwriter-dev libsimdjson-dev libgl-dev
libbenchmark-dev fonts-dejavu-core fonts-liberation python3"

paketleri_kur() {
  local eksik=""
  for p in $MIVO_PAKETLER "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || eksik="$eksik $p"
  done
  if [ -n "$eksik" ]; then
    echo "Installing:$eksik"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $eksik >/dev/null
  fi
}

derle() {
  cmake -S "$KOK" -B "$KOK/build" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$KOK/build" -j"$(nproc)"
}
