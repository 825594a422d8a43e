# Von den Skripten eingebunden (source), nicht selbst aufgerufen: Paketinstallation,
# Aufraeumen am Ende, Laufzeitverzeichnis fuer Qt und der unsichtbare X-Server.
# shellcheck shell=bash
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# Befehle mit Root-Rechten: als root direkt, sonst ueber sudo.
als_root=()
[ "$(id -u)" -eq 0 ] || als_root=(sudo)

# Installiert die genannten Debian-Pakete, soweit sie fehlen.
pakete_installieren() {
  local fehlend=() paket
  for paket in "$@"; do
    dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q 'install ok installed' || fehlend+=("$paket")
  done
  ((${#fehlend[@]})) || return 0
  echo "Installiere: ${fehlend[*]}"
  "${als_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${als_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
}

# Was beim Ende des Skripts geschehen soll, in umgekehrter Reihenfolge der Anmeldung. Ein
# scheiterndes Aufraeumen aendert den Exit-Status des Skripts nicht.
_am_ende=()
am_ende() {
  _am_ende=("$*" "${_am_ende[@]}")
  trap 'for befehl in "${_am_ende[@]}"; do eval "$befehl" || true; done' EXIT
}

# Qt braucht ein eigenes Laufzeitverzeichnis; es verschwindet am Ende wieder.
laufzeitverzeichnis() {
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
  am_ende rm -rf "$XDG_RUNTIME_DIR"
}

# Ein Befehl in einem unsichtbaren X-Server mit der Bildschirmgroesse, auf die alles ausgelegt ist.
in_xvfb() {
  xvfb-run -a -s "-screen 0 1024x640x24" "$@"
}

# Als root ein kleines Laufwerk (tmpfs, 64 KiB) fuer den Test "Speichern auf ein volles
# Laufwerk" der Sammlung (TANDRIX_KLEINES_LAUFWERK); ohne root bleibt der Test uebersprungen.
kleines_laufwerk() {
  [ "$(id -u)" -eq 0 ] || return 0
  local ordner
  ordner=$(mktemp -d)
  mount -t tmpfs -o size=64k,mode=0700 tmpfs "$ordner" || { rmdir "$ordner"; return 0; }
  am_ende "umount '$ordner'; rmdir '$ordner'"
  export TANDRIX_KLEINES_LAUFWERK=$ordner
}
