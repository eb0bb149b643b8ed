// The isobar practice of the web page (等圧線を引く練習): a panel of its own
// beside the other controls, and lines drawn on the map with a finger, a pen
// or the mouse. Every decision is the core's (PracticeExports.cpp); this only
// turns touches into strokes and moves files.
'use strict';

(function () {
  const tools = { draw: 0, erase: 1, high: 2, low: 3 };
  const strokeColour = '#0000a0';
  const strokeWidth = 2;
  const openFolder = '/open';
  const saveFolder = '/save';

  window.addEventListener('DOMContentLoaded', () => {
    if (window.nimbara) window.nimbara.ready.then(start);
  });

  function start(page) {
    const module = page.module;
    const call = (name, result, args) => module.cwrap('nimbara_practice_' + name, result, args);
    const core = {
      start: call('start', 'number', []),
      value: call('value', 'number', []),
      step: call('step', 'number', []),
      setValue: call('set_value', null, ['number']),
      line: call('line', 'number', ['number', 'number']),
      press: call('press', null, ['number', 'number', 'number']),
      undo: call('undo', null, []),
      lineCount: call('line_count', 'number', []),
      check: call('check', 'string', []),
      save: call('save', 'number', ['string']),
      open: call('open', 'number', ['string']),
    };
    const panel = buildPanel();
    const drawing = document.getElementById('drawing');
    let active = false;
    let stroke = null;

    document.getElementById('practice-start').addEventListener('click', () => {
      active = Boolean(core.start());
      panel.hidden = !active;
      drawing.style.touchAction = active ? 'none' : '';
      if (!active) return;
      const value = panel.querySelector('#practice-value');
      value.step = String(core.step());
      value.value = String(core.value());
      showResult('');
    });
    panel.querySelector('#practice-value').addEventListener('change', (event) => {
      core.setValue(Number(event.target.value));
    });
    panel.querySelector('#practice-undo').addEventListener('click', () => core.undo());
    panel.querySelector('#practice-check').addEventListener('click', () => showResult(core.check()));
    panel.querySelector('#practice-save').addEventListener('click', save);
    panel.querySelector('#practice-open').addEventListener('change', (event) => open(event.target));
    document.addEventListener('keydown', (event) => {
      if (active && (event.ctrlKey || event.metaKey) && event.key === 'z') {
        event.preventDefault();
        core.undo();
      }
    });

    // Pointer events carry the mouse, the pen and every finger alike.
    drawing.addEventListener('pointerdown', (event) => {
      if (!active || !event.isPrimary) return;
      event.preventDefault();
      const at = canvasPoint(event);
      const tool = tools[panel.querySelector('input[name="practice-tool"]:checked').value];
      if (tool !== tools.draw) {
        core.press(tool, at.x, at.y);
        return;
      }
      drawing.setPointerCapture(event.pointerId);
      stroke = [at];
    });
    drawing.addEventListener('pointermove', (event) => {
      if (!stroke || !event.isPrimary) return;
      event.preventDefault();
      const at = canvasPoint(event);
      preview(stroke[stroke.length - 1], at);
      stroke.push(at);
    });
    const finish = (event) => {
      if (!stroke || !event.isPrimary) return;
      const points = stroke;
      stroke = null;
      const xy = new Float64Array(points.flatMap((p) => [p.x, p.y]));
      const at = module._malloc(xy.byteLength || 8);
      module.HEAPF64.set(xy, at / 8);
      try {
        core.line(at, points.length);
      } finally {
        module._free(at);
      }
    };
    drawing.addEventListener('pointerup', finish);
    drawing.addEventListener('pointercancel', finish);

    Object.assign(page, { practice: { lineCount: core.lineCount, result: () => resultText() } });

    function canvasPoint(event) {
      const box = drawing.getBoundingClientRect();
      return {
        x: (event.clientX - box.left) * drawing.width / box.width,
        y: (event.clientY - box.top) * drawing.height / box.height,
      };
    }

    // The stroke shows as it is drawn; the core draws the whole map when it ends.
    function preview(from, to) {
      const context = drawing.getContext('2d');
      context.save();
      context.setTransform(1, 0, 0, 1, 0, 0);
      context.strokeStyle = strokeColour;
      context.lineWidth = strokeWidth;
      context.lineCap = 'round';
      context.beginPath();
      context.moveTo(from.x, from.y);
      context.lineTo(to.x, to.y);
      context.stroke();
      context.restore();
    }

    function showResult(text) {
      panel.querySelector('#practice-result').textContent = text;
    }

    function resultText() {
      return panel.querySelector('#practice-result').textContent;
    }

    function fileName() {
      const name = document.getElementById('save-name').value.trim().replace(/[\\/:*?"<>|]/g, '_');
      return (name || '天気図') + '.practice.txt';
    }

    function save() {
      module.FS.mkdirTree(saveFolder);
      const path = saveFolder + '/' + fileName();
      if (core.save(path)) page.download(fileName(), new Blob([module.FS.readFile(path)]));
      if (module.FS.analyzePath(path).exists) module.FS.unlink(path);
    }

    async function open(input) {
      const file = input.files[0];
      if (!file) return;
      module.FS.mkdirTree(openFolder);
      const path = openFolder + '/' + file.name;
      module.FS.writeFile(path, new Uint8Array(await file.arrayBuffer()));
      core.open(path);
      module.FS.unlink(path);
      input.value = '';
    }
  }

  // The button beside 天気図を表示する; the tools show once the practice has
  // started, so the page keeps to one laptop screen until then.
  function buildPanel() {
    const start = document.createElement('button');
    start.type = 'button';
    start.id = 'practice-start';
    start.textContent = '等圧線を引く練習';
    document.querySelector('#controls .actions').appendChild(start);
    const panel = document.createElement('fieldset');
    panel.id = 'practice';
    panel.hidden = true;
    panel.innerHTML = `
      <legend>等圧線を引く練習</legend>
      <div class="practice-tools">
        <label class="name">引く線の気圧（hPa）<input type="number" id="practice-value" min="900" max="1100"></label>
        <label><input type="radio" name="practice-tool" value="draw" checked>線を引く</label>
        <label><input type="radio" name="practice-tool" value="erase">線を消す</label>
        <label><input type="radio" name="practice-tool" value="high">高を置く</label>
        <label><input type="radio" name="practice-tool" value="low">低を置く</label>
        <button type="button" id="practice-undo">元に戻す</button>
        <button type="button" id="practice-check">答え合わせ</button>
        <button type="button" id="practice-save">保存</button>
        <label class="button">読みこみ<input type="file" id="practice-open" accept=".txt"></label>
        <pre id="practice-result" role="status"></pre>
      </div>`;
    const messages = document.getElementById('messages');
    messages.parentNode.insertBefore(panel, messages);
    return panel;
  }
})();
