// The page of the web edition: wires the buttons to the core's commands
// (WebEdition.cpp) and moves files between the browser and the module's file
// system. What a command does is decided by the core, as on the desktop.
'use strict';

(function () {
  const $ = (id) => document.getElementById(id);
  const bulletinAreas = [$('stations'), $('systems')];
  const messageIcons = ['', 'information', 'warning', 'critical'];
  const shownMessages = 4;
  const sessionKey = 'nimbara-session';
  const pictureKey = 'nimbara-picture';  // apart: large, and kept only when it changes
  const sampleBulletins = ['samples/winter_stations.txt', 'samples/winter_systems.txt'];
  const stationLine = $('station-line');
  const stationChooser = $('station-chooser');
  const dictationDate = $('dictation-date');
  const lineStatus = $('line-status');
  const shownLines = 4;  // the quick line grows to show this many kept lines

  let module = null;
  let core = null;
  let openFolder = '';
  // The map on the page was drawn by 天気図を表示する (or by opening a data
  // file), not only the base map or the dictation's live map.
  let mapShown = false;
  // Session storage holds the picture under the map as it is.
  let pictureKept = true;
  const mapLayers = { surface: $('surface'), picture: $('picture'), drawing: $('drawing') };
  // Opened from a disk or from a server that refuses the module: say so
  // rather than leave every control grey.
  const ready = (typeof createNimbara === 'function'
    ? createNimbara({
      mapLayers,
      onMessage: showMessage,
      onQuestion: (title, text) => window.confirm((title ? title + '\n\n' : '') + plainLines(text)),
    })
    : Promise.reject(new Error('nimbara.js'))).then(start, showLoadFailure);

  // Offline after the first visit, and installable (sw.js). A page opened
  // from a disk has no service worker.
  if ('serviceWorker' in navigator && window.isSecureContext) {
    navigator.serviceWorker.register('sw.js').catch(() => {});
  }

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
    const stationLinesAt = call('station_lines', 'string', ['number']);
    const keepDateAt = call('keep_date', null, ['number']);
    const restoreAt = call('restore', 'number', ['number']);
    const decodeAt = call('decode_cp932', 'string', ['number', 'number']);
    // Long texts go through the heap, not the small stack cwrap uses.
    const withHeapText = (text, use) => withHeapBytes(new TextEncoder().encode(text + '\0'), use);
    core = {
      start: call('start', null, []),
      display: call('display', null, []),
      switchCommand: call('switch', null, ['number']),
      switches: call('switches', 'number', []),
      unpackChosen: call('unpack_chosen', 'string', []),
      openData: call('open_data', 'number', []),
      saveData: call('save_data', 'string', ['string', 'number']),
      pngName: call('png_name', 'string', ['string']),
      saveName: call('save_name', 'string', []),
      acceptedTypes: call('accepted_types', 'string', ['number']),
      openFolder: call('open_folder', 'string', []),
      unsaved: call('unsaved', 'number', []),
      snapshot: call('snapshot', 'string', []),
      linesReason: call('lines_reason', 'string', []),
      addPicture: call('add_picture', null, ['string', 'number', 'number', 'number']),
      pictureWidth: call('picture_width', 'number', []),
      pictureHeight: call('picture_height', 'number', []),
      pictureRgba: call('picture_rgba', 'number', []),
      restorePicture: call('restore_picture', null, ['number', 'number', 'number']),
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
      stationLines: (text) => withHeapText(text, stationLinesAt),
      restore: (snapshot) => withHeapText(snapshot, restoreAt),
      keepDate: (text) => withHeapText(text, keepDateAt),
      decodeCp932: (bytes) => withHeapBytes(bytes, (at) => decodeAt(at, bytes.length)),
    };
    // What the page's other scripts (practice.js) build on.
    Object.assign(window.nimbara, { module, download });
    performance.mark('nimbara-ready');
    core.start();
    performance.mark('nimbara-first-map');
    openFolder = core.openFolder();
    $('open-data').accept = core.acceptedTypes(0);
    $('open-picture').accept = core.acceptedTypes(1);
    $('save-name').value = core.saveName();
    wirePage();
    restoreSession();
    showSwitches();
    showStations();
    showLineStatus('');
    for (const control of document.querySelectorAll('button, fieldset')) control.disabled = false;
    return window.nimbara;
  }

  function showLoadFailure(error) {
    $('load-failure').hidden = false;
    throw error;
  }

  // What the tab holds, kept in the browser's session storage after each
  // command and when the tab is hidden (a tablet may discard it then).
  function keepSession() {
    if (!core) return;
    try {
      if (!pictureKept) sessionStorage.setItem(pictureKey, pictureDataUrl());
      pictureKept = true;
      sessionStorage.setItem(sessionKey, JSON.stringify({
        snapshot: core.snapshot(),
        bulletins: bulletinAreas.map((area) => [area.value, area.dataset.imported || '']),
        entry: document.querySelector('[role="tab"][aria-selected="true"]').id,
        mapShown,
        saveName: $('save-name').value,
        line: stationLine.value,
      }));
    } catch (full) {
      // Session storage full or switched off: the page works without it.
    }
  }

  // The picture under the map as a PNG data URL ('' without one).
  function pictureDataUrl() {
    const [width, height] = [core.pictureWidth(), core.pictureHeight()];
    if (width === 0 || height === 0) return '';
    const canvas = document.createElement('canvas');
    canvas.width = width;
    canvas.height = height;
    const rgba = new Uint8ClampedArray(module.HEAPU8.buffer, core.pictureRgba(), width * height * 4);
    canvas.getContext('2d').putImageData(new ImageData(new Uint8ClampedArray(rgba), width, height), 0, 0);
    return canvas.toDataURL('image/png');
  }

  async function restorePicture() {
    const url = sessionStorage.getItem(pictureKey);
    if (!url) return;
    const { width, height, rgba } = await decodedPicture(await (await fetch(url)).blob());
    withHeapBytes(rgba, (at) => core.restorePicture(width, height, at));
  }

  function restoreSession() {
    let kept;
    try {
      kept = JSON.parse(sessionStorage.getItem(sessionKey));
    } catch (unreadable) {
      return;
    }
    if (!kept || !core.restore(kept.snapshot)) return;
    kept.bulletins.forEach(([text, imported], i) => {
      bulletinAreas[i].value = text;
      bulletinAreas[i].dataset.imported = imported;
    });
    $('save-name').value = kept.saveName;
    stationLine.value = kept.line;
    if (kept.mapShown) showMap();
    restorePicture().catch(() => {});  // a picture that cannot be decoded is not kept
    if (kept.entry !== 'tab-paste') chooseEntry($(kept.entry));
    $('title').textContent = core.title();
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
      showMap();
      // Where the map lies below the controls (a tablet held upright).
      mapLayers.surface.scrollIntoView({ block: 'nearest', behavior: 'smooth' });
    });
    $('sample').addEventListener('click', insertSampleBulletins);
    // A switch acts at once on a map shown: the map is drawn again.
    for (const box of document.querySelectorAll('#switches input')) {
      box.addEventListener('change', () => runAndShow(() => {
        core.switchCommand(Number(box.dataset.bit));
        if (mapShown) core.display();
      }));
    }
    // F5 anywhere shows the map, as in the desktop's windows, instead of reloading.
    document.addEventListener('keydown', (event) => {
      if (event.key !== 'F5') return;
      event.preventDefault();
      $('display').click();
    });
    window.addEventListener('beforeunload', (event) => {
      keepSession();
      if (!core.unsaved()) return;
      event.preventDefault();
      event.returnValue = '';
    });
    document.addEventListener('visibilitychange', () => { if (document.hidden) keepSession(); });
    // The browser's zoom changes the device pixels of the map: painted again with more.
    window.addEventListener('resize', () => mapLayers.sharpen());
    $('enlarge-map').addEventListener('click', () => showMapView(!document.body.classList.contains('map-view')));
    document.addEventListener('keydown', (event) => { if (event.key === 'Escape') showMapView(false); });
    // The browser's own way out of the full screen (Esc) ends the map view too.
    document.addEventListener('fullscreenchange', () => { if (!document.fullscreenElement) showMapView(false); });
    $('save-name').addEventListener('change', keepSession);
    $('open-data').addEventListener('change', (event) => openFiles(event.target, openDataFiles));
    $('open-picture').addEventListener('change', (event) => openFiles(event.target, openPicture));
    $('clear-picture').addEventListener('click', () => {
      pictureKept = false;
      runAndShow(core.clearPicture);
    });
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
  }

  // The tab's way of entering data shows; opening the dictation is opening
  // the desktop's window: today's date and the first station without a report.
  function chooseEntry(chosen) {
    for (const tab of document.querySelectorAll('[role="tab"]')) tab.setAttribute('aria-selected', tab === chosen);
    for (const part of document.querySelectorAll('[data-entry]')) part.hidden = part.dataset.entry !== chosen.dataset.shows;
    if (chosen.dataset.shows !== 'dictation') return;
    const today = new Date();
    runAndShow(() => core.openDictation(today.getFullYear(), today.getMonth() + 1, today.getDate()));
    mapShown = false;  // the dictation draws its live map
    stationLine.focus();
  }

  function showMap() {
    runAndShow(core.display);
    mapShown = true;
  }

  // The map alone over the whole window, as large as it fits, and the
  // window over the whole screen where the browser allows it.
  function showMapView(on) {
    document.body.classList.toggle('map-view', on);
    $('enlarge-map').textContent = on ? $('enlarge-map').dataset.close : $('enlarge-map').dataset.open;
    $('enlarge-map').setAttribute('aria-pressed', on);
    if (on && document.fullscreenEnabled && !document.fullscreenElement) {
      document.documentElement.requestFullscreen().catch(() => {});
    } else if (!on && document.fullscreenElement) {
      document.exitFullscreen().catch(() => {});
    }
  }

  // Text with line breaks arriving in the quick line (a paste, a tablet's
  // keyboard) lands where the cursor is and enters the lines it finishes.
  function insertIntoLine(event, text) {
    if (!/[\r\n]/.test(text)) return;
    event.preventDefault();
    const { value, selectionStart, selectionEnd } = stationLine;
    enterStationLines(value.slice(0, selectionStart) + text.replace(/\r\n?/g, '\n') + value.slice(selectionEnd));
  }

  // The lines of `text` go to the stations in turn (the core's
  // nimbara_station_lines); what the core could not read stays in the quick
  // line, and why shows below it.
  function enterStationLines(text) {
    let kept = '';
    runAndShow(() => { kept = core.stationLines(text); });
    const reason = core.linesReason();
    stationLine.value = kept;
    stationLine.rows = Math.min(kept.split('\n').length, shownLines);
    const firstLineEnd = kept.indexOf('\n');
    const caret = reason && firstLineEnd >= 0 ? firstLineEnd : kept.length;
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
    keepSession();
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

  // The samples replace what was pasted or dictated: ask first.
  async function insertSampleBulletins() {
    const hasData = core.unsaved() || bulletinAreas.some((area) => area.value.trim() !== '');
    if (hasData && !window.confirm($('sample').dataset.question)) return;
    const texts = await Promise.all(sampleBulletins.map(async (url) => {
      const response = await fetch(url);
      return bulletinText(new Uint8Array(await response.arrayBuffer()));
    }));
    texts.forEach((text, i) => setBulletin(bulletinAreas[i], text));
  }

  // The chosen files go into the core's open folder under their own names;
  // `open` runs the command on them.
  async function openFiles(input, open) {
    const files = Array.from(input.files);
    input.value = '';
    if (files.length === 0) return;
    try {
      module.FS.mkdirTree(openFolder);
      for (const file of files) module.FS.writeFile(inOpenFolder(file.name), new Uint8Array(await file.arrayBuffer()));
      await open(files.map((file) => file.name));
    } finally {
      window.nimbara.filesOpened += 1;
    }
  }

  const inOpenFolder = (name) => openFolder + '/' + name;

  // The browser decodes a picture; the core takes its pixels as they are.
  async function decodedPicture(blob) {
    const bitmap = await createImageBitmap(blob, { colorSpaceConversion: 'none', premultiplyAlpha: 'none' });
    const canvas = document.createElement('canvas');
    canvas.width = bitmap.width;
    canvas.height = bitmap.height;
    const context = canvas.getContext('2d');
    context.drawImage(bitmap, 0, 0);
    return { width: bitmap.width, height: bitmap.height, rgba: context.getImageData(0, 0, bitmap.width, bitmap.height).data };
  }

  async function addDecodedPicture(name) {
    const path = inOpenFolder(name);
    let picture;
    try {
      picture = await decodedPicture(new Blob([module.FS.readFile(path)]));
    } catch (notAPicture) {
      return;  // the command finds no picture under this name, as with an unreadable file
    }
    withHeapBytes(picture.rgba, (at) => core.addPicture(path, picture.width, picture.height, at));
  }

  // The core picks the data file among the chosen files (or unpacks the
  // archive a save made) and names the pictures it will read beside it.
  async function openDataFiles() {
    for (const picture of core.unpackChosen().split('\n').filter(Boolean)) await addDecodedPicture(picture);
    let opened = false;
    pictureKept = false;
    runAndShow(() => { opened = core.openData(); });
    if (!opened) return;
    mapShown = true;
    // The map now shows the file, not the texts pasted before.
    for (const area of bulletinAreas) area.value = area.dataset.imported = '';
    $('save-name').value = core.saveName();
    keepSession();
  }

  async function openPicture([name]) {
    await addDecodedPicture(name);
    pictureKept = false;
    runAndShow(() => core.openPicture(name));
  }

  // The core writes the data file (and for a full data file its picture and
  // isobar file beside it) and hands over one file to download: the data file
  // or an archive of the set. A message says what was saved.
  function saveData(full) {
    const path = core.saveData($('save-name').value, full);
    if (!path) return;
    download(path.slice(path.lastIndexOf('/') + 1), new Blob([module.FS.readFile(path)], { type: 'application/octet-stream' }));
    module.FS.unlink(path);
    $('save-name').value = core.saveName();
    keepSession();
  }

  // The map as shown, at the map's own size: background colour, picture,
  // drawing, as the desktop composes its PNG.
  function saveMapPicture() {
    const canvas = document.createElement('canvas');
    canvas.width = mapLayers.width;
    canvas.height = mapLayers.height;
    const context = canvas.getContext('2d');
    context.fillStyle = mapLayers.surface.style.backgroundColor;
    context.fillRect(0, 0, canvas.width, canvas.height);
    for (const layer of [mapLayers.picture, mapLayers.drawing]) context.drawImage(layer, 0, 0, canvas.width, canvas.height);
    const name = core.pngName($('save-name').value);
    canvas.toBlob((blob) => download(name, blob), 'image/png');
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
