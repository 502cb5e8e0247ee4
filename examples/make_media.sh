#!/bin/sh
# Makes the media files of the demo quizzes: flags drawn with ImageMagick, French words spoken by
# espeak-ng, films put together by ffmpeg. The results are committed, so building never needs these
# tools; run this again only to change the media (Debian: apt-get install imagemagick espeak-ng sox ffmpeg).
# Usage: sh examples/make_media.sh [pictures] [audio] [video]   (no argument: all three)
# Every file is kept small: the whole examples folder stays under 2 MB.
set -eu
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
parts=" ${*:-pictures audio video} "
wanted() { case $parts in *" $1 "*) return 0 ;; esac; return 1; }

if wanted pictures; then
# --- pictures/: flags, 180 x 120, some PNG and some JPEG (baseline: the player's Windows loader
# shows no progressive JPEG); each reward is the flag in a round badge.
vertical() { # FILE COLOUR1 COLOUR2 COLOUR3
    convert -size 60x120 "xc:$2" "xc:$3" "xc:$4" +append +repage "$1"
}
horizontal() { # FILE COLOUR1 COLOUR2 COLOUR3
    convert -size 180x40 "xc:$2" "xc:$3" "xc:$4" -append +repage "$1"
}
nordic() { # FILE FIELD CROSS
    convert -size 180x120 "xc:$2" -fill "$3" -draw "rectangle 50,0 74,119" -draw "rectangle 0,48 179,71" "$1"
}
cd pictures
vertical "$work/france.png" '#0055A4' white '#EF4135'
vertical "$work/italie.png" '#009246' white '#CE2B37'
vertical "$work/irlande.png" '#169B62' white '#FF883E'
horizontal "$work/allemagne.png" black '#DD0000' '#FFCE00'
horizontal "$work/pays-bas.png" '#AE1C28' white '#21468B'
horizontal "$work/autriche.png" '#ED2939' white '#ED2939'
nordic "$work/suede.png" '#006AA7' '#FECC00'
nordic "$work/danemark.png" '#C8102E' white
convert -size 180x120 xc:white -fill '#BC002D' -draw 'circle 90,60 90,24' "$work/japon.png"
convert -size 120x120 xc:'#DA291C' -fill white -draw 'rectangle 50,24 69,95' -draw 'rectangle 24,50 95,69' \
    "$work/suisse.png"
for flag in france allemagne suede japon suisse; do
    convert "$work/$flag.png" -strip -depth 8 -define png:compression-level=9 "$flag.png"
done
for flag in italie irlande pays-bas autriche danemark; do
    convert "$work/$flag.png" -strip -interlace none -quality 85 "$flag.jpg"
done
# Rewards: the flag cut into a disc on a light background, as a JPEG.
for flag in france italie irlande allemagne pays-bas autriche suede danemark japon suisse; do
    convert "$work/$flag.png" -resize 120x120^ -gravity center -extent 120x120 \
        \( -size 120x120 xc:black -fill white -draw 'circle 60,60 60,4' \) \
        -alpha off -compose CopyOpacity -composite \
        -background '#F4F1E8' -compose Over -gravity center -extent 140x140 -flatten \
        -strip -interlace none -quality 80 "badge-$flag.jpg"
done
cd ..
fi

if wanted audio; then
# --- audio/: French words spoken slowly, as small MP3 files (and two WAV files, 8 bits at 11 kHz),
# plus beeps to count, made by sox.
say() { # NAME WORD FORMAT
    espeak-ng -v fr -s 120 -w "$work/$1.wav" "$2"
    case $3 in
    mp3) ffmpeg -loglevel error -y -i "$work/$1.wav" -ac 1 -ar 22050 -c:a libmp3lame -b:a 32k \
        -map_metadata -1 -id3v2_version 0 -write_xing 0 "audio/$1.mp3" ;;
    wav) sox "$work/$1.wav" -r 11025 -b 8 -c 1 "audio/$1.wav" ;;
    wma) ffmpeg -loglevel error -y -i "$work/$1.wav" -ac 1 -ar 22050 -c:a wmav2 -b:a 32k \
        -map_metadata -1 "audio/$1.wma" ;;
    esac
}
say grenouille "grenouille" mp3
say chateau "château" mp3
say papillon "papillon" wav
say bibliotheque "bibliothèque" mp3
say parapluie "parapluie" wma
say escargot "escargot" mp3
say fromage "fromage" wav
beeps() { # NAME COUNT
    sox -n -r 11025 -b 8 -c 1 "$work/beep.wav" synth 0.25 sine 880 pad 0 0.35
    set --  "$1" "$2"
    files=""
    i=0
    while [ "$i" -lt "$2" ]; do files="$files $work/beep.wav"; i=$((i + 1)); done
    # shellcheck disable=SC2086
    sox $files "audio/$1.wav"
}
beeps bips-trois 3
beeps bips-cinq 5
fi

if wanted video; then
# --- video/: three-second films of a shape crossing the screen, 160 x 120, with a soft hum for a
# sound track (Wine's player refuses a film with none): WMV with WMA, AVI (Microsoft MPEG-4 v2) with
# MP3 and MPEG-1 with MPEG audio, the formats every Windows Media Player plays.
shape() { # NAME DRAW
    convert -size 48x48 xc:none -fill '#FFD23F' -stroke black -strokewidth 2 -draw "$2" "$work/$1.png"
}
shape cercle 'circle 24,24 24,4'
shape carre 'rectangle 6,6 41,41'
shape triangle 'polygon 24,4 44,42 4,42'
shape etoile 'polygon 24,2 30,18 46,18 33,28 38,45 24,35 10,45 15,28 2,18 18,18'
shape losange 'polygon 24,2 44,24 24,46 4,24'
shape croix 'polygon 17,4 31,4 31,17 44,17 44,31 31,31 31,44 17,44 17,31 4,31 4,17 17,17'
film() { # NAME SHAPE FORMAT BACKGROUND
    case $3 in
    wmv) codec="-c:v wmv2 -b:v 60k -c:a wmav2 -b:a 24k" ;;
    avi) codec="-c:v msmpeg4v2 -b:v 60k -c:a libmp3lame -b:a 24k" ;;
    mpg) codec="-c:v mpeg1video -b:v 80k -r 25 -c:a mp2 -b:a 32k -f mpeg" ;;
    esac
    # shellcheck disable=SC2086
    ffmpeg -loglevel error -y -f lavfi -i "color=c=$4:s=160x120:r=15:d=3" -loop 1 -i "$work/$2.png" \
        -f lavfi -i "sine=frequency=220:sample_rate=22050:duration=3" \
        -filter_complex "[0][1]overlay=x='-48+t*70':y='36+12*sin(t*4)':shortest=1,format=yuv420p[v];[2]volume=0.1[a]" \
        -map "[v]" -map "[a]" -ac 1 -map_metadata -1 $codec "video/$1.$3"
}
film cercle cercle wmv '#1E3A5F'
film carre carre avi '#2E5E3A'
film triangle triangle wmv '#5F1E3A'
film etoile etoile mpg '#1E3A5F'
film losange losange wmv '#4A3A1E'
film croix croix avi '#3A1E5F'
fi

du -sh .
