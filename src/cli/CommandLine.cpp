#include "cli/CommandLine.h"

#include <cstring>
#include <iostream>

#include "cli/Commands.h"
#include "qt/windows/Application.h"

namespace nimbara {

int PrintHelp() {
  std::cout <<
      R"(Usage: nimbara [COMMAND [OPTIONS]]

With no command, nimbara starts the application.

Commands:
  render [DATA.txt] -o OUT.png|OUT.svg|OUT.pdf [options]
      Draws the weather map of a data file as データファイル読みこみ does
      (settings block, map view and satellite picture of the file), in the
      format named by the extension. Without DATA.txt the base map is drawn.
      --observation     read DATA.txt as an observation file (気象観測ファイル):
                        no settings block, no companion files
      --style STYLE     classic (default: the map as the application draws
                        it) or chart (the look of the agency's surface
                        analyses, 天気図の見た目：気象庁風)
      --layers LIST     draw only these layers, a comma-separated subset of
                        map,isobars,weather,wind,fronts,legend (default: all;
                        the legend belongs to the chart style)
      --thinned         symbols for the thinned station set only
                        (全観測地のデータを表示 unticked)
      --enlarged        enlarged weather symbols (天気記号を拡大表示 ticked)
      --size WxH        picture size in pixels (default 800x800)
      --ops OPS.txt     also write the drawing log, one line per drawing call
                        (format in the README)
      --blank           draw a blank map form instead: coastline, stations
                        with their names and a 10-degree grid
  render DATA.txt... --out-dir DIR [--format png|svg|pdf] [options]
      Draws many data files in one run, on both cores, each into DIR under
      its own name. Two files of the same name are refused: render them
      into separate folders.

  render [DATA.txt] --practice DRAWING.practice.txt -o OUT.png|OUT.svg|OUT.pdf
      Draws a pupil's isobar drawing (等圧線を引く練習) on the map of its data
      file without isobars, and the answer's isobars over it in another
      colour, as 答え合わせ shows them. The data file is DATA.txt, else the
      NAME.txt beside NAME.practice.txt. The other options apply.

  grid DATA.txt -o ISOBARS.cnt
      Reads DATA.txt as an observation file, computes the pressure grid as the
      isobar layer does, and writes the isobar file.

  import [--full] [--load OLD.txt] [BULLETIN...] -o DATA.txt
      Pastes each bulletin file in order as データの貼り付け does (UTF-8 or
      CP932 text; - reads standard input) and saves the observations as
      気象観測ファイル保存 does; with --full as データファイル保存 does, with
      the isobar file beside it. --load first reads OLD.txt as an observation
      file. A bulletin is the agency's station or systems page, or the
      broadcast manuscript (各地の天気, 漁業気象); what each file gave is
      printed to standard error, and a file that is none of them is an error.
      A full save removes an older picture beside DATA.txt (DATA.bmp, …),
      as データファイル保存 without a picture does, unless DATA.txt is
      OLD.txt itself. DATA.txt (and with --full its isobar file) must not be
      one of the bulletins.

  practice-score DATA.txt DRAWING.practice.txt...
      Scores each drawing against the isobars of DATA.txt as 答え合わせ
      does and prints one tab-separated line per drawing: the file, the
      score out of 100, the centres marked of those on the map (found/all),
      then one field per drawn line in the drawing's order:
      VALUE:DISTANCEkm (its mean distance from the true isobar of that
      value), followed by :交差 when it crosses a line of another value and
      :逆側=NAME・NAME for stations on its wrong side; VALUE:答えになし when
      the map has no isobar of that value. A drawing that cannot be read is
      reported on standard error and the others are still scored.

  --help, -h   show this text

Files are read and written under the names given, and messages name them
so. Outputs that would overwrite each other or an input are refused before
anything is drawn. A failed run leaves no output file; a batch (--out-dir)
writes the maps of the files it could draw, names each file it could not,
and leaves no map for it. Errors go to standard error; the exit code is
then 2.
)";
  return kExitOk;
}
int UsageError(const char* message) {
  std::cerr << "nimbara: " << message << "\nTry 'nimbara --help'.\n";
  return kExitFailure;
}

int Failure(const std::string& message) {
  std::cerr << "nimbara: " << message << "\n";
  return kExitFailure;
}

int RunMain(int argc, char** argv) {
  if (argc < 2) return RunApplication(argc, argv);
  const char* command = argv[1];
  if (std::strcmp(command, "--help") == 0 || std::strcmp(command, "-h") == 0 ||
      std::strcmp(command, "help") == 0)
    return PrintHelp();
  if (std::strcmp(command, "render") == 0) return RenderCommand(argc, argv);
  if (std::strcmp(command, "grid") == 0) return GridCommand(argc, argv);
  if (std::strcmp(command, "import") == 0) return ImportCommand(argc, argv);
  if (std::strcmp(command, "practice-score") == 0) return PracticeScoreCommand(argc, argv);
  return UsageError((std::string("unknown command ") + command).c_str());
}

}  // namespace nimbara
