// The page of the web edition: wires the buttons to the core's commands
// (WebEdition.cpp) and moves files between the browser and the module's file
// system. What a command does is decided by the core, as on the desktop.
'use strict';

(function () {
  const $ = (id) => document.getElementById(id);
  const bulletinAreas = [$('stations'), $('systems')];
  const pictureName = /\.(bmp|gif|jpe?g|png)$/i;
  const openFolder = '/open';
  const saveFolder = '/save';
  const messageIcons = ['', 'information', 'warning', 'critical'];
  const shownMessages = 4;
  const sampleBulletins = ['samples/winter_stations.txt', 'samples/winter_systems.txt'];
  const stationLine = $('station-line');
  const stationChooser = $('station-chooser');
  const dictationDate = $('dictation-date');
  const lineStatus = $('line-status');
  const shownLines = 4;  // the quick line grows to show this many kept lines

  let module = null;
  let core = null;
  const mapLayers = { surface: $('surface'), picture: $('picture'), drawing: $('drawing') };
  const ready = createNimbara({
    mapLayers,
    onMessage: showMessage,
    onQuestion: (title, text) => window.confirm((title ? title + '\n\n' : '') + plainLines(text)),
  }).then(start);

  // The page's functions for tests and the benchmark page: `filesOpened`
  // counts the file choices read to the end (they are read asynchronously).
  window.nimbara = {
    ready,
    drawingLog: () => core.drawingLog(),
    filesOpened: 0,
  };

  function start(loaded) {
    module = loaded;
    const call = (name, result, args) => module.cwrap('nimbara_' + name, result, args);
    const pasteAt = call('paste', null, ['number']);
    const stationLineAt = call('station_line', 'string', ['number']);
    const keepDateAt = call('keep_date', null, ['number']);
    const decodeAt = call('decode_cp932', 'string', ['number', 'number']);
    // Long texts go through the heap, not the small stack cwrap uses.
    const withHeapText = (text, use) => withHeapBytes(new TextEncoder().encode(text + '\0'), use);
    core = {
      start: call('start', null, []),
      display: call('display', null, []),
      switchCommand: call('switch', null, ['number']),
      switches: call('switches', 'number', []),
      openData: call('open_data', null, ['string']),
      saveData: call('save_data', null, ['string', 'number']),
      addPicture: call('add_picture', null, ['string', 'number', 'number', 'number']),
      openPicture: call('open_picture', null, ['string']),
      clearPicture: call('clear_picture', null, []),
      drawingLog: call('drawing_log', 'string', []),
      title: call('title', 'string', []),
      openDictation: call('open_dictation', null, ['number', 'number', 'number']),
      station: call('station', 'number', []),
      stationsDone: call('stations_done', 'number', []),
      moveStation: call('move_station', null, ['number']),
      stationTable: call('station_table', 'string', []),
      paste: (text) => withHeapText(text, pasteAt),
      stationLine: (line) => withHeapText(line, stationLineAt),
      keepDate: (text) => withHeapText(text, keepDateAt),
      decodeCp932: (bytes) => withHeapBytes(bytes, (at) => decodeAt(at, bytes.length)),
    };
    // What the page's other scripts (practice.js) build on.
    Object.assign(window.nimbara, { module, download });
    performance.mark('nimbara-ready');
    core.start();
    performance.mark('nimbara-first-map');
    showSwitches();
    showStations();
    showLineStatus('');
    wirePage();
    for (const control of document.querySelectorAll('button, fieldset')) control.disabled = false;
    return window.nimbara;
  }

  function withHeapBytes(bytes, use) {
    const at = module._malloc(bytes.length || 1);
    module.HEAPU8.set(bytes, at);
    try {
      return use(at);
    } finally {
      module._free(at);
    }
  }

  function wirePage() {
    for (const area of bulletinAreas) {
      // After the pasted text has landed in the area.
      area.addEventListener('paste', () => setTimeout(() => importBulletin(area)));
      area.addEventListener('change', () => importBulletin(area));
    }
    if (navigator.clipboard && navigator.clipboard.readText) {
      for (const button of document.querySelectorAll('button.paste')) {
        button.hidden = false;
        button.addEventListener('click', () => pasteFromClipboard($(button.dataset.target)));
      }
    }
    $('display').addEventListener('click', () => {
      bulletinAreas.forEach(importBulletin);
      runAndShow(core.display);
      // Where the map lies below the controls (a tablet held upright).
      mapLayers.surface.scrollIntoView({ block: 'nearest', behavior: 'smooth' });
    });
    $('sample').addEventListener('click', insertSampleBulletins);
    for (const box of document.querySelectorAll('#switches input')) {
      box.addEventListener('change', () => runAndShow(() => core.switchCommand(Number(box.dataset.bit))));
    }
    $('open-data').addEventListener('change', (event) => openFiles(event.target, openDataFiles));
    $('open-picture').addEventListener('change', (event) => openFiles(event.target, openPicture));
    $('clear-picture').addEventListener('click', () => runAndShow(core.clearPicture));
    $('save-data').addEventListener('click', () => saveData(1));
    $('save-observations').addEventListener('click', () => saveData(0));
    $('save-png').addEventListener('click', saveMapPicture);
    for (const tab of document.querySelectorAll('[role="tab"]')) tab.addEventListener('click', () => chooseEntry(tab));
    wireDictation();
  }

  // The radio dictation's quick line: ⏎ (or 入力) enters what it holds, a
  // paste of several lines enters them one after another, ↑ and ↓ choose the
  // station, and F5 shows the map, as in the desktop's window.
  function wireDictation() {
    stationLine.addEventListener('beforeinput', (event) => {
      if (event.inputType === 'insertLineBreak') {
        event.preventDefault();
        enterStationLines(stationLine.value + '\n');
      } else if (event.inputType === 'insertText' && event.data) {
        insertIntoLine(event, event.data);
      }
    });
    stationLine.addEventListener('paste', (event) => insertIntoLine(event, event.clipboardData.getData('text/plain')));
    stationLine.addEventListener('keydown', (event) => {
      const step = { ArrowUp: -1, ArrowDown: 1 }[event.key];
      if (!step || event.isComposing || stationLine.value.includes('\n')) return;
      event.preventDefault();
      moveStation(core.station() + step);
    });
    $('enter-line').addEventListener('click', () => {
      enterStationLines(stationLine.value + '\n');
      stationLine.focus();
    });
    stationChooser.addEventListener('change', () => {
      moveStation(Number(stationChooser.value));
      stationLine.focus();
    });
    dictationDate.addEventListener('input', () => runAndShow(() => core.keepDate(dictationDate.value)));
    $('dictation').addEventListener('keydown', (event) => {
      if (event.key !== 'F5') return;
      event.preventDefault();
      $('display').click();
    });
  }

  // The tab's way of entering data shows; opening the dictation is opening
  // the desktop's window: today's date and the first station without a report.
  function chooseEntry(chosen) {
    for (const tab of document.querySelectorAll('[role="tab"]')) tab.setAttribute('aria-selected', tab === chosen);
    for (const part of document.querySelectorAll('[data-entry]')) part.hidden = part.dataset.entry !== chosen.dataset.shows;
    if (chosen.dataset.shows !== 'dictation') return;
    const today = new Date();
    runAndShow(() => core.openDictation(today.getFullYear(), today.getMonth() + 1, today.getDate()));
    stationLine.focus();
  }

  // Text with line breaks arriving in the quick line (a paste, a tablet's
  // keyboard) lands where the cursor is and enters the lines it finishes.
  function insertIntoLine(event, text) {
    if (!/[\r\n]/.test(text)) return;
    event.preventDefault();
    const { value, selectionStart, selectionEnd } = stationLine;
    enterStationLines(value.slice(0, selectionStart) + text.replace(/\r\n?/g, '\n') + value.slice(selectionEnd));
  }

  // Each line of `text` finished by a line break goes to the station under
  // the cursor, in turn. The first line the core could not read stays in the
  // quick line with the lines after it, and why shows below it.
  function enterStationLines(text) {
    const lines = text.split('\n');
    const unfinished = lines.pop();
    let reason = '';
    runAndShow(() => {
      while (lines.length > 0 && !(reason = core.stationLine(lines[0]))) lines.shift();
    });
    // A last line break is not kept: ⏎ adds it again.
    stationLine.value = [...lines, unfinished].join('\n').replace(/\n$/, '');
    stationLine.rows = Math.min(stationLine.value.split('\n').length, shownLines);
    const caret = reason ? lines[0].length : stationLine.value.length;
    stationLine.setSelectionRange(caret, caret);
    showLineStatus(reason);
  }

  function moveStation(slot) {
    core.moveStation(slot);
    stationChooser.value = core.station();
    if (lineStatus.className !== 'reason') showLineStatus('');
  }

  // Why the last line was not read, or else a hint, or that the stations are done.
  function showLineStatus(reason) {
    const kind = reason ? 'reason' : core.stationsDone() ? 'done' : 'hint';
    lineStatus.className = kind;
    lineStatus.textContent = reason || lineStatus.dataset[kind];
  }

  // The dictated stations as the core holds them, a choice each with its
  // place in the broadcast and its report; the date box shows the store's date.
  function showStations() {
    const rows = core.stationTable().split('\n').slice(0, -1);
    stationChooser.replaceChildren(...rows.map((row, slot) => {
      const [name, ...cells] = row.split('\t');
      const report = cells.filter((cell) => cell !== '').join(' ');
      return new Option(`${name}（${slot + 1}/${rows.length}）${report ? '　' + report : ''}`, slot);
    }));
    stationChooser.value = core.station();
    if (document.activeElement !== dictationDate) dictationDate.value = core.title();
  }

  // After each command: the switches, the title and the dictated stations as
  // the core holds them.
  function runAndShow(command) {
    command();
    showSwitches();
    $('title').textContent = core.title();
    showStations();
  }

  function showSwitches() {
    const bits = core.switches();
    for (const box of document.querySelectorAll('#switches input')) box.checked = (bits >> box.dataset.bit) & 1;
  }

  // The core's texts end their lines with CR LF, as its files do.
  function plainLines(text) {
    return text.replace(/\r\n/g, '\n');
  }

  function showMessage(title, text, icon) {
    const box = document.createElement('div');
    box.className = 'message ' + messageIcons[icon];
    if (title) box.appendChild(document.createElement('strong')).textContent = title;
    box.appendChild(document.createTextNode(plainLines(text).trim()));
    const close = box.appendChild(document.createElement('button'));
    close.type = 'button';
    close.textContent = '×';
    close.setAttribute('aria-label', '閉じる');
    close.addEventListener('click', () => box.remove());
    const list = $('messages');
    list.prepend(box);
    while (list.children.length > shownMessages) list.lastChild.remove();
  }

  // データの貼り付け of an area's text, once for each new text.
  function importBulletin(area) {
    const text = area.value;
    if (text.trim() === '' || text === area.dataset.imported) return;
    area.dataset.imported = text;
    runAndShow(() => core.paste(text));
  }

  function setBulletin(area, text) {
    area.value = text;
    importBulletin(area);
  }

  async function pasteFromClipboard(area) {
    try {
      setBulletin(area, await navigator.clipboard.readText());
    } catch (error) {
      showMessage('', '文字を読めませんでした。枠をタップ（クリック）して貼り付けてください。', 2);
    }
  }

  // Bulletins saved from a browser are UTF-8; older ones are CP932.
  function bulletinText(bytes) {
    try {
      return new TextDecoder('utf-8', { fatal: true }).decode(bytes);
    } catch (notUtf8) {
      return core.decodeCp932(bytes);
    }
  }

  async function insertSampleBulletins() {
    const texts = await Promise.all(sampleBulletins.map(async (url) => {
      const response = await fetch(url);
      return bulletinText(new Uint8Array(await response.arrayBuffer()));
    }));
    texts.forEach((text, i) => setBulletin(bulletinAreas[i], text));
  }

  async function openFiles(input, open) {
    const files = Array.from(input.files);
    input.value = '';
    if (files.length === 0) return;
    module.FS.mkdirTree(openFolder);
    try {
      for (const file of files) {
        const path = openFolder + '/' + file.name;
        module.FS.writeFile(path, new Uint8Array(await file.arrayBuffer()));
        if (pictureName.test(file.name)) await addDecodedPicture(path, file);
      }
      open(files.map((file) => openFolder + '/' + file.name));
    } finally {
      for (const file of files) module.FS.unlink(openFolder + '/' + file.name);
      window.nimbara.filesOpened += 1;
    }
  }

  // The browser decodes the picture; the core takes its pixels as they are.
  async function addDecodedPicture(path, file) {
    let bitmap;
    try {
      bitmap = await createImageBitmap(file, { colorSpaceConversion: 'none', premultiplyAlpha: 'none' });
    } catch (notAPicture) {
      return;  // the command finds no picture under this name, as with an unreadable file
    }
    const canvas = document.createElement('canvas');
    canvas.width = bitmap.width;
    canvas.height = bitmap.height;
    const context = canvas.getContext('2d');
    context.drawImage(bitmap, 0, 0);
    const rgba = context.getImageData(0, 0, bitmap.width, bitmap.height).data;
    withHeapBytes(rgba, (at) => core.addPicture(path, bitmap.width, bitmap.height, at));
  }

  function openDataFiles(paths) {
    const dataFile = paths.find((path) => /\.txt$/i.test(path));
    if (!dataFile) {
      showMessage('', 'データファイル（.txt）を選んでください。気象衛星画像は同じ名前の .bmp などを一緒に選びます。', 2);
      return;
    }
    // The map now shows the file, not the texts pasted before.
    for (const area of bulletinAreas) area.value = area.dataset.imported = '';
    runAndShow(() => core.openData(dataFile));
  }

  function openPicture(paths) {
    runAndShow(() => core.openPicture(paths[0]));
  }

  function saveName() {
    const name = $('save-name').value.trim().replace(/[\\/:*?"<>|]/g, '_');
    return name || '天気図';
  }

  // The core writes the data file (and for a full data file its picture and
  // isobar file beside it); each file it wrote is downloaded.
  function saveData(full) {
    module.FS.mkdirTree(saveFolder);
    core.saveData(saveFolder + '/' + saveName() + '.txt', full);
    const written = module.FS.readdir(saveFolder).filter((name) => name !== '.' && name !== '..');
    written.sort((a, b) => Number(!a.endsWith('.txt')) - Number(!b.endsWith('.txt')) || a.localeCompare(b));
    for (const name of written) {
      const path = saveFolder + '/' + name;
      download(name, new Blob([module.FS.readFile(path)], { type: 'application/octet-stream' }));
      module.FS.unlink(path);
    }
  }

  // The map as shown, at the map's own size: background colour, picture, drawing.
  function saveMapPicture() {
    const canvas = document.createElement('canvas');
    canvas.width = mapLayers.width;
    canvas.height = mapLayers.height;
    const context = canvas.getContext('2d');
    context.fillStyle = mapLayers.surface.style.backgroundColor;
    context.fillRect(0, 0, canvas.width, canvas.height);
    for (const layer of [mapLayers.picture, mapLayers.drawing]) context.drawImage(layer, 0, 0, canvas.width, canvas.height);
    canvas.toBlob((blob) => download(saveName() + '.png', blob), 'image/png');
  }

  function download(name, blob) {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(blob);
    link.download = name;
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
  }
})();
