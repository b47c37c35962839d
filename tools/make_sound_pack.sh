#!/usr/bin/env bash
# Renders the trainer's sound pack.
#   make_sound_pack.sh <manifest> <program-folder>
# The manifest (from keyvora_sound_manifest) has one line per file:
#   <path relative to the program folder> TAB <kind> TAB <text>
# Speech is spoken by espeak-ng's Mandarin voice; effects, the error tone and the music are
# synthesised by sox; a recitation is its spoken verses laid over the music. Long sounds are
# written as Ogg Vorbis, the short effects as WAV: the player tells the format by the content,
# so no file carries an extension. Mono, 22050 Hz, normalised.
set -euo pipefail

if [[ $# -ne 2 ]]; then
    echo "usage: $0 <manifest> <program-folder>" >&2
    exit 2
fi
manifest=$1
out=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

export RATE=22050
# The Mandarin voice that reads Latin text as pinyin is used because its reading of Chinese
# characters is sound: espeak-ng 1.51's plain cmn voice reads many syllables as English words
# followed by their tone number ("mu four"). English key words (shift, alt) are still said in
# English by it.
if espeak-ng --voices=cmn | grep -qi 'cmn-latn-pinyin'; then
    VOICE=cmn-latn-pinyin
else
    VOICE=cmn
fi
export VOICE
export OUT=$out
export WORK=$work
SOX="sox -q -V1"
export SOX

# sox writes into a temporary file that is moved into place, so an interrupted run never leaves
# a truncated sound behind.
finish() { # <temp-file> <relative path>
    mkdir -p "$(dirname "$OUT/$2")"
    mv -f "$1" "$OUT/$2"
}
export -f finish

# Speech: said a little faster than the default, which drags in Mandarin; silence cut at both
# ends so that a spoken key name follows the keystroke closely and ends promptly.
speech() { # <relative path> <text>
    local raw tmp
    raw=$(mktemp "$WORK/XXXXXX.wav")
    tmp=$(mktemp "$WORK/XXXXXX.ogg")
    espeak-ng -v "$VOICE" -s 210 -w "$raw" -- "$2"
    $SOX "$raw" -r "$RATE" -c 1 -C 3 -t ogg "$tmp" silence 1 0.005 0.5% reverse \
        silence 1 0.005 0.5% reverse gain -n -1
    finish "$tmp" "$1"
    rm -f "$raw"
}
export -f speech

# The whole recitation of one edition: the verses with a pause after each, over the music.
recitation() { # <relative path> <text>
    local voice padded music tmp length
    voice=$(mktemp "$WORK/XXXXXX.wav")
    padded=$(mktemp "$WORK/XXXXXX.wav")
    music=$(mktemp "$WORK/XXXXXX.wav")
    tmp=$(mktemp "$WORK/XXXXXX.ogg")
    espeak-ng -v "$VOICE" -s 200 -w "$voice" -- "$2"
    $SOX "$voice" -r "$RATE" -c 1 "$padded" gain -n -3 pad 1.5 2
    length=$(soxi -D "$padded")
    # Enough rounds of the music to lie under the whole voice, faded in and out so that the
    # endless repeat starts again smoothly.
    $SOX "$WORK/music.wav" "$music" repeat 9 trim 0 "$length" fade t 1 "$length" 2
    $SOX -m -v 1 "$padded" -v 0.35 "$music" -C 3 -t ogg "$tmp" gain -n -1
    finish "$tmp" "$1"
    rm -f "$voice" "$padded" "$music"
}
export -f recitation

# A synthesised WAV file; each tone of the synth gets its own channel, to be mixed by remix.
synth() { # <relative path> <tones> <sox synth arguments and effects...>
    local path=$1 tones=$2 tmp
    shift 2
    tmp=$(mktemp "$WORK/XXXXXX.wav")
    $SOX -r "$RATE" -c "$tones" -n -b 16 -t wav "$tmp" "$@"
    finish "$tmp" "$path"
}

# Seven distinct keystroke effects, 30 to 150 ms each.
effect() { # <relative path> <name>
    case $2 in
    click) synth "$1" 1 synth 0.03 noise highpass 2500 fade q 0.001 0.03 0.025 gain -n -2 ;;
    tap) synth "$1" 1 synth 0.06 sine 220:90 fade q 0.002 0.06 0.05 gain -n -2 ;;
    # A sharp strike and the ring of the type bar.
    typewriter) synth "$1" 2 synth 0.09 noise sine 1900 remix 1v0.8,2v0.3 lowpass 6000 \
        fade q 0.001 0.09 0.08 gain -n -2 ;;
    woodblock) synth "$1" 2 synth 0.08 sine 950 sine 1420 remix - fade q 0.001 0.08 0.075 \
        gain -n -2 ;;
    bell) synth "$1" 3 synth 0.15 sine 1320 sine 2640 sine 3960 remix 1v0.6,2v0.3,3v0.1 \
        fade l 0.002 0.15 0.145 gain -n -2 ;;
    drop) synth "$1" 1 synth 0.07 sine 500:1500 fade q 0.003 0.07 0.05 gain -n -2 ;;
    blip) synth "$1" 1 synth 0.05 square 880 lowpass 3000 fade q 0.002 0.05 0.02 gain -n -4 ;;
    *)
        echo "unknown effect $2" >&2
        return 1
        ;;
    esac
}

# A short low buzz of two close square waves: unmistakably "wrong".
error_tone() { # <relative path>
    synth "$1" 2 synth 0.22 square 196 square 208 remix - lowpass 1800 fade q 0.005 0.22 0.06 \
        gain -n -3
}

# Thirty-two seconds of soft harp-like arpeggios over a quiet pad: C, A minor, F, G, four times
# round, two seconds a chord. It ends on the chord before the first, so the repeat flows on.
# It is left in $WORK/music.wav for the recitations, and written to the path if one is given.
music() { # [relative path]
    local chords=("C3 E3 G3 C4 E4 G4 E4 C4" "A2 C3 E3 A3 C4 E4 C4 A3"
        "F2 A2 C3 F3 A3 C4 A3 F3" "G2 B2 D3 G3 B3 D4 B3 G3")
    local pads=("C4 E4 G4" "A3 C4 E4" "F3 A3 C4" "G3 B3 D4")
    local notes=() parts=() note chord i n
    for chord in "${chords[@]}"; do
        for note in $chord; do
            if [[ ! -f "$WORK/note-$note.wav" ]]; then
                $SOX -n -r "$RATE" -c 1 "$WORK/note-$note.wav" \
                    synth 0.25 pluck "%$(semitones "$note")" fade q 0.002 0.25 0.02
            fi
            notes+=("$WORK/note-$note.wav")
        done
    done
    for i in 0 1 2 3; do
        read -r -a n <<<"${pads[$i]}"
        $SOX -r "$RATE" -c 3 -n "$WORK/pad$i.wav" synth 2 sine "%$(semitones "${n[0]}")" \
            sine "%$(semitones "${n[1]}")" sine "%$(semitones "${n[2]}")" remix - \
            fade h 0.3 2 0.3
        parts+=("$WORK/pad$i.wav")
    done
    $SOX "${notes[@]}" "${notes[@]}" "${notes[@]}" "${notes[@]}" "$WORK/arpeggio.wav"
    $SOX "${parts[@]}" "${parts[@]}" "${parts[@]}" "${parts[@]}" "$WORK/pad.wav"
    $SOX -m -v 1 "$WORK/arpeggio.wav" -v 0.25 "$WORK/pad.wav" "$WORK/music.wav" lowpass 2500 \
        gain -n -6
    if [[ $# -gt 0 ]]; then
        $SOX "$WORK/music.wav" -C 3 -t ogg "$WORK/music.ogg"
        finish "$WORK/music.ogg" "$1"
    fi
}

# Semitones from A4 (440 Hz) for a note name such as C3, A2 or D4, as sox's "%" frequency form.
semitones() {
    local name=${1%?} octave=${1: -1} index
    case $name in
    C) index=-9 ;; D) index=-7 ;; E) index=-5 ;; F) index=-4 ;; G) index=-2 ;; A) index=0 ;;
    B) index=2 ;;
    esac
    echo $((index + 12 * (octave - 4)))
}

music_path=
jobs=$work/jobs
: >"$jobs"
while IFS=$'\t' read -r path kind text; do
    case $kind in
    speech | recitation) printf '%s\t%s\t%s\n' "$kind" "$path" "$text" >>"$jobs" ;;
    effect) effect "$path" "$text" ;;
    error) error_tone "$path" ;;
    music) music_path=$path ;;
    *)
        echo "unknown kind '$kind' for $path" >&2
        exit 1
        ;;
    esac
done <"$manifest"

# The recitations need the music; make it even when the manifest does not list it.
music ${music_path:+"$music_path"}

# Recitations first: they are the longest jobs, so the two workers finish together.
# shellcheck disable=SC2016 # the job's own shell expands its arguments
LC_ALL=C sort "$jobs" | tr '\n' '\0' | xargs -0 -P 2 -n 1 bash -c '
    set -euo pipefail
    IFS=$'"'"'\t'"'"' read -r kind path text <<<"$1"
    "$kind" "$path" "$text"' render

# A file that an earlier list named and this one does not must not linger in the pack.
(cd "$out" && find 声音 -type f) | LC_ALL=C sort >"$work/present"
cut -f1 "$manifest" | LC_ALL=C sort >"$work/listed"
LC_ALL=C comm -23 "$work/present" "$work/listed" | while IFS= read -r stale; do
    rm -f "$out/$stale"
done
