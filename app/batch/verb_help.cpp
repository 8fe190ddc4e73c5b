#include "verb_help.h"

#include <ostream>

namespace dorx::batch {
namespace {

struct VerbHelp {
  const char* verb;
  const char* text;
};

const VerbHelp kHelp[] = {
    {"calc",
     "  PROJECT.xix           the project file (station, area, equipment), as the window's Open reads it\n"
     "  --mesh DIR            required: the parent folder of the terrain tiles, one sub-folder per\n"
     "                        primary mesh (DIR/5338/533805.mem); a missing tile is no data\n"
     "  --program-folder DIR  see below\n"
     "  --anomaly             remove elevation spikes (the project's threshold) before the geometry\n"
     "                        pass; default: off\n"
     "  --overwrite           write into PROGRAM/NAME/ (replacing an earlier run) instead of a new\n"
     "                        folder PROGRAM/NAME.YYYYMMDD.HHMMSS/; default: off\n"
     "  --pattern FILE        field-strength mode only: horizontal antenna pattern (per line an angle\n"
     "                        in degrees and a relative gain as linear power ratio), turned by the\n"
     "                        project's azimuth; default: none (the same gain in every direction)\n"
     "  --water-level M       flood mode only: water level at the flood point in metres above sea\n"
     "                        level, any number; default: 10\n"
     "  Prints the result file's full path as its last line.\n"},
    {"draw",
     "  RESULT                a result file (.dorx field strength, .dorw flood) written by calc\n"
     "  --program-folder DIR  see below (its Dorx.ini gives the colours, Dorx.kml the KML template)\n"
     "  --lower X             lower end of the colour scale, in the map's value (field-strength value\n"
     "                        of the result; metres of water depth in flood mode); default: 0\n"
     "  --step S              step of the stepped colour scale in the same unit, more than 1 in\n"
     "                        field-strength mode (the scale ends at lower + 7 x step); default: 5,\n"
     "                        flood mode 2\n"
     "  --magnification P     drawing size in percent of the calculated map, 20 to 200; default: 100\n"
     "  --grid N              number of intervals of the distance grid (whole number); default: 5\n"
     "  --view 1|2|3|los      map shown and saved: 1 colour ramp, 2 stepped ramp, 3 threshold map,\n"
     "                        los line of sight; default: 1\n"
     "  --terrain none|1|2    terrain under the map: none, 1 where the map is white, 2 blended;\n"
     "                        default: none\n"
     "  --no-sea              draw sea cells (ground at or below -10 m) in the map colours; default:\n"
     "                        sea cells stay white\n"
     "  --fine none|line|color  line-of-sight chart of a --click: none, lines, coloured; default: none\n"
     "  --no-fine-big         chart height scale from the whole area, not from the section; default:\n"
     "                        from the section\n"
     "  --section none|line|color  terrain section strip under the map; default: none\n"
     "  --click X,Y           a click on the map at pixel X,Y (from the top left of the map picture,\n"
     "                        0 up to its width and height); prints the status line; repeatable\n"
     "  Saves the PNG images and KML overlays next to RESULT and prints each file written.\n"},
    {"pattern",
     "  FILE                  an antenna pattern file (per line an angle in degrees and a relative\n"
     "                        gain as linear power ratio)\n"
     "  --angle DEG           azimuth of the pattern in degrees clockwise from north, 0 to 360;\n"
     "                        default: 0\n"
     "  --out PNG             required: the PNG to write (480 x 504 pixels)\n"},
    {"export",
     "  RESULT                a result file (.dorx field strength, .dorw flood) written by calc\n"
     "  --out FILE.tif        the GeoTIFF to write; default: beside RESULT, named after its project\n"
     "                        (NAME.tif)\n"
     "  Writes the GeoTIFF exactly as draw's Save does and prints its path.\n"},
    {"import-dem",
     "  SOURCE...             elevation data, one or more files: any raster GDAL reads (GeoTIFF, SRTM\n"
     "                        .hgt, VRT, tiles .mem) in Tokyo, JGD2000, JGD2011 or WGS 84 (also\n"
     "                        projected, e.g. UTM or plane rectangular), and the national survey's\n"
     "                        DEM XML (*.xml, 5 m and 10 m products, unzipped); where sources overlap\n"
     "                        the first one given wins\n"
     "  --mesh DIR            required: the terrain folder to write the tiles into\n"
     "                        (DIR/5338/533805.mem), created when missing\n"
     "  --program-folder DIR  the folder whose Dorx.par moves the tiles' Tokyo-datum cell centres\n"
     "                        onto the sources' positions; default: the folder of dorx-batch\n"
     "  --replace             imported cells replace cells with data in existing tiles (and a file\n"
     "                        there that is not a whole tile is overwritten); default: existing cells\n"
     "                        with data are kept, only cells without data are filled\n"
     "  --no-datum-shift      use the cell centres as positions of the source's datum, without\n"
     "                        Dorx.par (errors of up to about 450 m); default: the shift is applied\n"
     "                        (not needed for Tokyo-datum sources)\n"
     "  Each cell (1.5\" x 2.25\") gets the elevation at its centre, sampled bilinearly and rounded\n"
     "  to 0.1 m; cells no source covers are no data (-9999). Prints each tile written and a summary.\n"},
};

}  // namespace

bool PrintVerbHelp(std::ostream& out, const std::string& verb) {
  for (const VerbHelp& help : kHelp) {
    if (verb != help.verb) continue;
    out << help.text;
    return true;
  }
  return false;
}

void PrintCommonHelp(std::ostream& out) {
  out << "common:\n"
         "  --program-folder DIR  the folder of Dorx.ini, Dorx.xix, Dorx.kml and Dorx.par; missing ones\n"
         "                        are written with their defaults; calc creates its output folders in\n"
         "                        it; default: the folder of the dorx-batch executable\n"
         "  VERB --help           the options of one verb\n"
         "  Exit status: 0 success, 2 a project value out of range (calc), 1 any other failure.\n"
         "  Relative paths are taken from the current folder; printed paths are full paths.\n";
}

}  // namespace dorx::batch
