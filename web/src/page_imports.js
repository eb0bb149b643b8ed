// The HTML half of HtmlCanvas and PageUi, linked into the module with
// --js-library. It paints on the canvases the page hands over as
// Module.mapLayers = {surface, picture, drawing} (the surface element shows the
// background colour, the picture canvas lies on it and the drawing canvas on
// top), and passes messages and questions to Module.onMessage and
// Module.onQuestion.
//
// The core draws in pixels of the map's own size (800 × 800). The canvases
// hold as many device pixels as the map takes when the map view fills the
// screen (two or three to a map pixel on a sharp or a large screen), so that
// lines stay sharp; mapLayers.width and .height keep the map's size. The
// drawing is kept as a list of painting steps, so that mapLayers.sharpen()
// can paint it again with more pixels when the browser's zoom asks for them.
mergeInto(LibraryManager.library, {
  $nimbaraPaint: {
    // The map font of the desktop first, then the Japanese fonts of the
    // common tablets and laptops.
    fontFamilies: 'IPAGothic, "IPAexGothic", "Noto Sans CJK JP", "Noto Sans JP", "Hiragino Sans", ' +
      '"Yu Gothic", Meiryo, sans-serif',
    css: function (colour) {
      return 'rgb(' + (colour & 255) + ',' + ((colour >> 8) & 255) + ',' + ((colour >> 16) & 255) + ')';
    },
    scale: 1,  // device pixels to a map pixel, set with the size
    largestScale: 3,  // beyond it a canvas takes more memory than a tablet spares
    layer: function (name) { return Module['mapLayers'][name].getContext('2d'); },
    painted: [],     // the drawing layer's steps since it was cleared
    picture: null,   // the picture layer's picture, a canvas of its own pixels
    // Device pixels to a map pixel for the screen and zoom of the moment.
    wantedScale: function () {
      var width = Module['mapLayers']['width'];
      var screenSide = Math.min(window.screen.width, window.screen.height) || width;
      var mostDevicePixels = (window.devicePixelRatio || 1) * Math.max(1, screenSide / width);
      return Math.max(1, Math.min(nimbaraPaint.largestScale, Math.ceil(mostDevicePixels)));
    },
    // Both canvases at `scale` device pixels to a map pixel, cleared.
    resize: function (scale) {
      nimbaraPaint.scale = scale;
      ['picture', 'drawing'].forEach(function (name) {
        var canvas = Module['mapLayers'][name];
        canvas.width = Module['mapLayers']['width'] * scale;
        canvas.height = Module['mapLayers']['height'] * scale;
        canvas.getContext('2d').setTransform(scale, 0, 0, scale, 0, 0);
      });
    },
    paint: function (step) {
      nimbaraPaint.painted.push(step);
      step(nimbaraPaint.layer('drawing'));
    },
    showPicture: function () {
      var context = nimbaraPaint.layer('picture');
      context.clearRect(0, 0, context.canvas.width, context.canvas.height);
      if (nimbaraPaint.picture) context.drawImage(nimbaraPaint.picture, 0, 0);
    },
    sharpen: function () {
      var scale = nimbaraPaint.wantedScale();
      if (scale === nimbaraPaint.scale) return;
      nimbaraPaint.resize(scale);
      nimbaraPaint.showPicture();
      var context = nimbaraPaint.layer('drawing');
      nimbaraPaint.painted.forEach(function (step) { step(context); });
    },
    // Lines end and join round, as the desktop's pen does.
    pen: function (context, width, colour) {
      context.lineWidth = width;
      context.strokeStyle = nimbaraPaint.css(colour);
      context.lineCap = 'round';
      context.lineJoin = 'round';
    },
    // Text is placed by its upper-left corner, as on the desktop.
    font: function (context, pixelSize, bold) {
      context.font = (bold ? 'bold ' : '') + pixelSize + 'px ' + nimbaraPaint.fontFamilies;
      context.textBaseline = 'top';
    },
    finish: function (context, width, colour, fill) {
      if (fill >= 0) {
        context.fillStyle = nimbaraPaint.css(fill);
        context.fill('evenodd');
      }
      if (width <= 0) return;  // a polygon filled without an outline
      nimbaraPaint.pen(context, width, colour);
      context.stroke();
    },
  },

  nimbara_layers_size__deps: ['$nimbaraPaint'],
  nimbara_layers_size: function (width, height) {
    Module['mapLayers']['width'] = width;
    Module['mapLayers']['height'] = height;
    Module['mapLayers']['sharpen'] = nimbaraPaint.sharpen;
    nimbaraPaint.painted = [];
    nimbaraPaint.resize(nimbaraPaint.wantedScale());
    nimbaraPaint.showPicture();
  },

  nimbara_layers_clear__deps: ['$nimbaraPaint'],
  nimbara_layers_clear: function () {
    var context = nimbaraPaint.layer('drawing');
    nimbaraPaint.painted = [];
    context.clearRect(0, 0, context.canvas.width, context.canvas.height);
  },

  nimbara_layers_line__deps: ['$nimbaraPaint'],
  nimbara_layers_line: function (x1, y1, x2, y2, width, colour) {
    nimbaraPaint.paint(function (context) {
      context.beginPath();
      context.moveTo(x1, y1);
      context.lineTo(x2, y2);
      nimbaraPaint.finish(context, width, colour, -1);
    });
  },

  nimbara_layers_rect__deps: ['$nimbaraPaint'],
  nimbara_layers_rect: function (x, y, w, h, width, colour, fill) {
    nimbaraPaint.paint(function (context) {
      if (fill >= 0) {
        context.fillStyle = nimbaraPaint.css(fill);
        context.fillRect(x, y, w, h);
        return;
      }
      context.beginPath();
      context.rect(x, y, w, h);
      nimbaraPaint.finish(context, width, colour, -1);
    });
  },

  nimbara_layers_arc__deps: ['$nimbaraPaint'],
  nimbara_layers_arc: function (cx, cy, r, start, sweep, fromCentre, toCentre, closed, width, colour, fill) {
    nimbaraPaint.paint(function (context) {
      context.beginPath();
      if (fromCentre) context.moveTo(cx, cy);
      // The canvas measures angles clockwise on the screen.
      context.arc(cx, cy, r, -start, -(start + sweep), true);
      if (toCentre) context.lineTo(cx, cy);
      if (closed) context.closePath();
      nimbaraPaint.finish(context, width, colour, fill);
    });
  },

  nimbara_layers_polygon__deps: ['$nimbaraPaint'],
  nimbara_layers_polygon: function (points, count, width, colour, fill) {
    var xy = HEAP32.slice(points >> 2, (points >> 2) + 2 * count);
    nimbaraPaint.paint(function (context) {
      context.beginPath();
      for (var i = 0; i < count; ++i) context.lineTo(xy[2 * i], xy[2 * i + 1]);
      context.closePath();
      nimbaraPaint.finish(context, width, colour, fill);
    });
  },

  nimbara_layers_text__deps: ['$nimbaraPaint'],
  nimbara_layers_text: function (x, y, pixelSize, bold, colour, text) {
    var string = UTF8ToString(text);
    nimbaraPaint.paint(function (context) {
      nimbaraPaint.font(context, pixelSize, bold);
      context.fillStyle = nimbaraPaint.css(colour);
      context.fillText(string, x, y);
    });
  },

  nimbara_layers_polyline__deps: ['$nimbaraPaint'],
  nimbara_layers_polyline: function (points, count, width, colour) {
    var xy = HEAPF64.slice(points >> 3, (points >> 3) + 2 * count);
    nimbaraPaint.paint(function (context) {
      context.beginPath();
      for (var i = 0; i < count; ++i) context.lineTo(xy[2 * i], xy[2 * i + 1]);
      nimbaraPaint.finish(context, width, colour, -1);
    });
  },

  nimbara_layers_halo_text__deps: ['$nimbaraPaint'],
  nimbara_layers_halo_text: function (x, y, pixelSize, bold, colour, halo, haloWidth, text) {
    var string = UTF8ToString(text);
    nimbaraPaint.paint(function (context) {
      nimbaraPaint.font(context, pixelSize, bold);
      context.lineWidth = haloWidth;
      context.lineJoin = 'round';
      context.strokeStyle = nimbaraPaint.css(halo);
      context.strokeText(string, x, y);
      context.fillStyle = nimbaraPaint.css(colour);
      context.fillText(string, x, y);
    });
  },

  nimbara_layers_pixel__deps: ['$nimbaraPaint'],
  nimbara_layers_pixel: function (x, y) {
    var middle = Math.floor(nimbaraPaint.scale / 2);
    var rgba = nimbaraPaint.layer('drawing')
      .getImageData(x * nimbaraPaint.scale + middle, y * nimbaraPaint.scale + middle, 1, 1).data;
    return rgba[0] | (rgba[1] << 8) | (rgba[2] << 16) | (rgba[3] << 24);
  },

  nimbara_layers_picture__deps: ['$nimbaraPaint'],
  nimbara_layers_picture: function (width, height, pixels) {
    nimbaraPaint.picture = null;
    if (!pixels) {
      nimbaraPaint.showPicture();
      return;
    }
    var image = new ImageData(width, height);
    var at = pixels >> 2;
    for (var i = 0; i < width * height; ++i) {
      var argb = HEAPU32[at + i];
      image.data[4 * i] = (argb >> 16) & 255;
      image.data[4 * i + 1] = (argb >> 8) & 255;
      image.data[4 * i + 2] = argb & 255;
      image.data[4 * i + 3] = argb >>> 24;
    }
    var picture = document.createElement('canvas');
    picture.width = width;
    picture.height = height;
    picture.getContext('2d').putImageData(image, 0, 0);
    nimbaraPaint.picture = picture;
    nimbaraPaint.showPicture();
  },

  nimbara_layers_back_colour__deps: ['$nimbaraPaint'],
  nimbara_layers_back_colour: function (colour) {
    Module['mapLayers']['surface'].style.backgroundColor = nimbaraPaint.css(colour);
  },

  nimbara_page_message: function (title, text, icon) {
    Module['onMessage'](UTF8ToString(title), UTF8ToString(text), icon);
  },

  nimbara_page_ask: function (title, text) {
    return Module['onQuestion'](UTF8ToString(title), UTF8ToString(text)) ? 1 : 0;
  },
});
