#!/bin/bash
# Writes the spreadsheets of tests/import/data as a spreadsheet program saves them: two sheets written
# here as flat OpenDocument files, saved as CSV by LibreOffice Calc (Debian's libreoffice-calc-nogui).
# Run it again only to change the samples; the CSV files it makes are committed, so the tests need no
# office suite.
set -euo pipefail
cd "$(dirname "$0")/../tests/import/data"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cell() { # one text cell; each argument after the first is one more line of the same cell
    printf '<table:table-cell office:value-type="string">'
    for line in "$@"; do printf '<text:p>%s</text:p>' "$line"; done
    printf '</table:table-cell>'
}
row() { printf '<table:table-row>'; for c in "$@"; do cell "$c"; done; printf '</table:table-row>\n'; }
sheet() { # NAME, then the rows (already written)
    cat <<HEAD
<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
  xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
  xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
  office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
<office:body><office:spreadsheet><table:table table:name="$1">
HEAD
    cat
    printf '</table:table></office:spreadsheet></office:body></office:document>\n'
}

# A text list in French: accents, the euro sign and oe (Windows-1252's own bytes), a ';' and quotes inside
# cells, a cell on two lines, spellings, a column the quiz has no place for.
{
    row "Question" "Réponse" "Remarque"
    row "Capitale de l'Angleterre ?" "Londres | London" "deux graphies"
    row "Ville de la Réforme ; au bord du Léman ?" "Genève" ""
    row 'Qui a dit "Eurêka" ?' "Archimède" ""
    printf '<table:table-row>'; cell "Monnaie de la France" "depuis 2002 ?"; cell "l'euro (€)"; cell ""; printf '</table:table-row>\n'
    row "Le « cœur » en latin ?" "cor" "court"
    row "Pays dont Amsterdam est la capitale ?" "Pays-Bas | Hollande" ""
} | sheet Capitales > "$work/capitales.fods"

# A picture quiz in English headers, two answers, reveal texts and rewards; one row without a picture.
{
    row "question" "answer" "answer2" "reveal" "image" "reward"
    row "Who painted it?" "Vinci | Léonard de Vinci" "XVIe" "Au Louvre, Paris" "joconde.jpg" "louvre.jpg"
    row "And this one?" "Picasso" "" "Madrid, Reina Sofía" "guernica.png" ""
    row "No picture here" "Monet" "XIXe" "" "" ""
} | sheet Peintres > "$work/peintres.fods"

convert() { # SHEET FILTER-OPTIONS OUT
    soffice --headless --norestore -env:UserInstallation=file://$work/profile \
        --convert-to "csv:Text - txt - csv (StarCalc):$2" --outdir "$work/out" "$work/$1.fods" >/dev/null
    mv "$work/out/$1.csv" "$3"
}
# Field separator, text delimiter, character set (1 Windows-1252, 76 UTF-8: LibreOffice's own numbers),
# as Calc's dialog saves.
convert capitales 59,34,1 capitales-libreoffice-1252.csv
convert capitales 9,34,76 capitales-libreoffice-utf8.tsv
convert peintres 44,34,76 peintres-libreoffice-utf8.csv
