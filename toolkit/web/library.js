// What only the page can do for the web front end: find its controls,
// change them, listen to them, run the clock, show a message box and wait
// for its answer, and say things. Everything else is the program's.
// The string readers are the runtime's own in older Emscripten, library
// functions to depend on in later ones.
var pageStrings = ['$UTF8ToString', '$UTF16ToString'].filter(function (name) { return name in LibraryManager.library; });

mergeInto(LibraryManager.library, {
  // The library's objects are written out as data: the map is made here.
  $page__postset: 'page.numbers = new Map();',
  $page: {
    controls: [],   // by the program's number
    numbers: null,  // element to number
    clock: 0,
    // A picture's number, 1 to 30, as its file.
    cardPicture: function (n) { return 'pictures/cards/' + String(n).padStart(2, '0') + '.png'; },
    call: function (name) {
      const args = Array.prototype.slice.call(arguments, 1);
      return Module['_duplimo_' + name].apply(null, args);
    },
    listen: function () {
      const panel = document.getElementById('frmprincipal');
      const numberOf = function (target) {
        const control = target instanceof Element ? target.closest('[id]') : null;
        return control && page.numbers.has(control) ? page.numbers.get(control) : -1;
      };
      panel.addEventListener('click', function (event) {
        const k = numberOf(event.target);
        if (k >= 0) page.call('click', k);
      });
      panel.addEventListener('mousemove', function (event) {
        const k = numberOf(event.target);
        if (k >= 0 && event.target.closest('.back'))
          page.call('move', k, (event.shiftKey ? 1 : 0) | (event.ctrlKey ? 2 : 0) | (event.altKey ? 4 : 0));
      });
      // The keyboard on the panel itself is with the window: no control.
      panel.addEventListener('focusin', function (event) {
        page.call('focused', event.target === panel ? -1 : numberOf(event.target));
      });
      const arrows = { ArrowLeft: 0, ArrowRight: 1, ArrowUp: 2, ArrowDown: 3 };
      document.addEventListener('keydown', function (event) {
        const box = document.getElementById('box');
        // The letter as typed, or where Alt (Option on a Mac) types another
        // character, the letter of the key pressed.
        const letter = /^[a-z]$/i.test(event.key) ? event.key.toLowerCase()
                     : /^Key[A-Z]$/.test(event.code) ? event.code.slice(3).toLowerCase() : '';
        if (event.altKey && !event.ctrlKey && !event.metaKey && letter) {
          const scope = box.open ? box : panel;
          const button = scope.querySelector('[data-key="' + letter + '"]');
          if (button) {
            event.preventDefault();
            if (box.open) button.click();
            else if (!button.disabled && !button.hidden) page.call('click', page.numbers.get(button));
          }
        } else if (!box.open && event.key in arrows && event.target.classList &&
                   event.target.classList.contains('card')) {
          event.preventDefault();
          page.call('arrow', arrows[event.key]);
        }
      });
      window.addEventListener('beforeunload', page.beforeUnload);
      panel.inert = false;
    },
    // A line for the live region the player can reach: the box's while one
    // is open, as the page behind it is inert. Added a moment later, once a
    // box opening meanwhile is in the accessibility tree, so that the line
    // is a change a screen reader hears; gone once said, as the desktop's
    // notices are, leaving nothing stale to read.
    say: function (text) {
      const line = document.createElement('p');
      line.textContent = text;
      setTimeout(function () {
        const box = document.getElementById('box');
        document.getElementById(box.open ? 'box-said' : 'said').append(line);
        setTimeout(function () { line.remove(); }, 2000);
      }, 100);
    },
    beforeUnload: function (event) {
      if (page.call('playing')) {
        event.preventDefault();
        event.returnValue = '';
      }
    },
    // Places an open box where it hides none of the given elements,
    // nearest the middle of the page.
    place: function (box, keep) {
      const rects = keep.map(function (el) { return el.getBoundingClientRect(); });
      const size = box.getBoundingClientRect();
      const free = function (x, y) {
        return rects.every(function (r) {
          return x + size.width <= r.left || x >= r.right || y + size.height <= r.top || y >= r.bottom;
        });
      };
      const cx = (window.innerWidth - size.width) / 2, cy = (window.innerHeight - size.height) / 2;
      let best = null;
      for (let y = 0; y + size.height <= window.innerHeight; y += 8)
        for (let x = 0; x + size.width <= window.innerWidth; x += 8)
          if (free(x, y) && (!best || Math.hypot(x - cx, y - cy) < Math.hypot(best[0] - cx, best[1] - cy)))
            best = [x, y];
      if (!best) {
        box.classList.remove('placed');
        return;
      }
      box.style.setProperty('--box-left', best[0] + 'px');
      box.style.setProperty('--box-top', best[1] + 'px');
      box.classList.add('placed');
    },
  },

  page_attach__deps: ['$page'].concat(pageStrings),
  page_attach: function (k, name) {
    const el = document.getElementById(UTF8ToString(name));
    page.controls[k] = el;
    if (el) page.numbers.set(el, k);
  },

  page_listen__deps: ['$page'],
  page_listen: function () {
    page.listen();
    page.clockTick = function () { page.call('tick'); };
  },

  page_visible__deps: ['$page'],
  page_visible: function (k, on) {
    const el = page.controls[k];
    if (el) el.hidden = !on;
  },

  page_enabled__deps: ['$page'],
  page_enabled: function (k, on) {
    const el = page.controls[k];
    if (el) el.disabled = !on;
  },

  // A button's caption, the access key's letter (at key, or -1) underlined.
  page_caption__deps: ['$page'].concat(pageStrings),
  page_caption: function (k, text, key) {
    const el = page.controls[k];
    if (!el) return;
    const shown = UTF16ToString(text);
    const target = el.querySelector('.caption') || el;
    target.textContent = '';
    if (key < 0) {
      target.textContent = shown;
      delete el.dataset.key;
      el.removeAttribute('aria-keyshortcuts');
      return;
    }
    const letter = document.createElement('u');
    letter.textContent = shown[key];
    target.append(shown.slice(0, key), letter, shown.slice(key + 1));
    el.dataset.key = shown[key].toLowerCase();
    el.setAttribute('aria-keyshortcuts', 'Alt+' + shown[key].toUpperCase());
  },

  page_text__deps: ['$page'].concat(pageStrings),
  page_text: function (k, text) {
    const el = page.controls[k];
    if (el) el.value = UTF16ToString(text);
  },

  // A face's picture: number 1 to 30 with its name, or 0 for none.
  page_picture__deps: ['$page'].concat(pageStrings),
  page_picture: function (k, number, name) {
    const el = page.controls[k];
    if (!el) return;
    const img = el.querySelector('img');
    if (number > 0) {
      img.src = page.cardPicture(number);
      el.setAttribute('aria-label', UTF16ToString(name));
    } else {
      img.removeAttribute('src');
      el.removeAttribute('aria-label');
    }
  },

  page_timer__deps: ['$page'],
  page_timer: function (milliseconds) {
    clearInterval(page.clock);
    page.clock = milliseconds > 0 ? setInterval(page.clockTick, milliseconds) : 0;
  },

  // The keyboard to control k, or to the window itself for -1.
  page_focus__deps: ['$page'],
  page_focus: function (k) {
    const el = k >= 0 ? page.controls[k] : document.getElementById('frmprincipal');
    if (el && document.activeElement !== el) el.focus();
  },

  page_say__deps: ['$page'].concat(pageStrings),
  page_say: function (text) {
    page.say(UTF16ToString(text));
  },

  page_end__deps: ['$page'],
  page_end: function (status) {
    clearInterval(page.clock);
    window.removeEventListener('beforeunload', page.beforeUnload);
    const box = document.getElementById('box');
    if (box.open) box.close();
    document.getElementById('frmprincipal').hidden = true;
    const left = document.getElementById(status === 0 ? 'ended' : 'failed');
    left.hidden = false;
    page.say(left.textContent);
  },

  // What a box that could not be shown had to say, for the page left at the end.
  page_report__deps: pageStrings,
  page_report: function (text) {
    document.getElementById('failed-report').textContent = UTF16ToString(text);
  },

  // A modal box with the prompt and title, its buttons and icon as the
  // style says: Yes and No (4) or OK (0); an error (16), question (32),
  // warning (48) or information (64) icon. Keeps the controls numbered in
  // keep[0..count) in view. Resolves to the answer, 6 Yes, 7 No, 1 OK;
  // closed without a button, No or OK.
  page_box__deps: ['$page'].concat(pageStrings),
  page_box__sig: 'iiiiii',
  page_box: function (prompt, title, style, keep, count) {
    return Asyncify.handleAsync(function () {
      return new Promise(function (resolve) {
        const box = document.getElementById('box');
        const buttons = { ok: 1, yes: 6, no: 7 };
        const yes_no = (style & 0x0F) === 4;
        const icon = { 16: 'error', 32: 'question', 48: 'warning', 64: 'information' }[style & 0x70];
        const picture = document.getElementById('box-icon');
        picture.hidden = !icon;
        if (icon) picture.src = 'pictures/' + icon + '.svg';
        else picture.removeAttribute('src');
        document.getElementById('box-title').textContent = UTF16ToString(title);
        document.getElementById('box-text').textContent = UTF16ToString(prompt);
        document.getElementById('box-ok').hidden = !!yes_no;
        document.getElementById('box-yes').hidden = !yes_no;
        document.getElementById('box-no').hidden = !yes_no;
        // The window refits as the viewport changes, and the box with it.
        const replace = function () { page.place(box, kept); };
        const answered = function (answer) {
          window.removeEventListener('resize', replace);
          box.removeEventListener('cancel', cancelled);
          for (const name in buttons) document.getElementById('box-' + name).onclick = null;
          box.close();
          box.classList.remove('placed');
          resolve(answer);
        };
        const cancelled = function (event) {
          event.preventDefault();
          answered(yes_no ? 7 : 1);
        };
        box.addEventListener('cancel', cancelled);
        for (const name in buttons) {
          const answer = buttons[name];
          document.getElementById('box-' + name).onclick = function () { answered(answer); };
        }
        box.showModal();
        document.getElementById(yes_no ? 'box-yes' : 'box-ok').focus();
        const kept = [];
        for (let i = 0; i < count; ++i) {
          const el = page.controls[HEAP32[(keep >> 2) + i]];
          if (el) kept.push(el);
        }
        page.place(box, kept);
        window.addEventListener('resize', replace);
      });
    });
  },
});
