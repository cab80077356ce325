// The page's on-screen keys: a button for every key of the help, for phones
// and tablets, which have no keyboard. A button held down holds its key, and
// any number of them can be held at once, one finger each. They press the
// program's keys as a keyboard does, with key events on the canvas, where the
// program listens for its keys.
//
// They show by themselves where the main pointer is coarse (a finger), and
// the status line's "On-screen keys" button shows or hides them anywhere.
'use strict';

(() => {
  // [the key as the help writes it, what the button shows, KeyboardEvent.code,
  //  KeyboardEvent.key, keyCode, what it does], in three pads of 3 x 3: flying
  // under the left thumb, the aircraft under the right, the camera above it.
  // The camera pad copies the keyboard's own rows (A S D over Z X C).
  const kPads = [
    { id: 'fly-pad', name: 'Flying', keys: [
      ['Home', 'Home', 'Home', 'Home', 36, 'brake flaps in'],
      ['Up', '↑', 'ArrowUp', 'ArrowUp', 38, 'elevator up'],
      ['End', 'End', 'End', 'End', 35, 'brake flaps out'],
      ['Left', '←', 'ArrowLeft', 'ArrowLeft', 37, 'roll left'],
      null,
      ['Right', '→', 'ArrowRight', 'ArrowRight', 39, 'roll right'],
      ['Delete', 'Del', 'Delete', 'Delete', 46, 'rudder one way'],
      ['Down', '↓', 'ArrowDown', 'ArrowDown', 40, 'elevator down'],
      ['Page Down', 'PgDn', 'PageDown', 'PageDown', 34, 'rudder the other way'],
    ] },
    { id: 'camera-pad', name: 'Camera', keys: [
      ['F1', 'F1', 'F1', 'F1', 112, 'first camera viewpoint'],
      ['F2', 'F2', 'F2', 'F2', 113, 'second camera viewpoint'],
      ['F3', 'F3', 'F3', 'F3', 114, 'third camera viewpoint'],
      ['A', 'A', 'KeyA', 'a', 65, 'roll the camera one way'],
      ['S', 'S', 'KeyS', 's', 83, 'turn the camera up'],
      ['D', 'D', 'KeyD', 'd', 68, 'roll the camera the other way'],
      ['Z', 'Z', 'KeyZ', 'z', 90, 'turn the camera left'],
      ['X', 'X', 'KeyX', 'x', 88, 'turn the camera down'],
      ['C', 'C', 'KeyC', 'c', 67, 'turn the camera right'],
    ] },
    { id: 'aircraft-pad', name: 'Engine and aircraft', keys: [
      ['E', 'E', 'KeyE', 'e', 69, 'start the engine'],
      ['=', '=', 'Equal', '=', 187, 'throttle up'],
      ['-', '-', 'Minus', '-', 189, 'throttle down'],
      ['1', '1', 'Digit1', '1', 49, 'front canopy'],
      ['2', '2', 'Digit2', '2', 50, 'rear canopy'],
      null,
      ['R', 'R', 'KeyR', 'r', 82, 'reset the aircraft and stop the engine'],
      ['P', 'P', 'KeyP', 'p', 80, 'push the fuselage down'],
      null,
    ] },
  ];

  const canvas = document.getElementById('canvas');
  const panel = document.getElementById('controls');
  const toggle = document.getElementById('controls-button');

  // Frames the program has run while it runs; null before it starts and
  // after it has ended, when a tap has no frame to wait for.
  const framesRun = () =>
    typeof Module !== 'undefined' && Module.calledRun && window.zarv.ended === null
      ? Module._zarvStep(0)
      : null;

  function sendKey(type, key) {
    const [, , code, name, keyCode] = key;
    canvas.dispatchEvent(new KeyboardEvent(type, {
      code, key: name, keyCode, which: keyCode, bubbles: true, cancelable: true,
    }));
  }

  // Keys held on screen, by code: the pointers (fingers) holding each and the
  // frame count when it went down.
  const held = new Map();

  function press(button, key, pointer) {
    let hold = held.get(key[2]);
    if (!hold) {
      hold = { pointers: new Set(), since: framesRun(), button, key };
      held.set(key[2], hold);
      sendKey('keydown', key);
      button.classList.add('held');
    }
    hold.pointers.add(pointer);
  }

  // The program looks at which keys are down once a frame, so a key let go
  // before the next frame would never be seen: a quick tap stays down until
  // at least one frame has run.
  function release(key, pointer) {
    const hold = held.get(key[2]);
    if (!hold) return;
    hold.pointers.delete(pointer);
    const letGo = () => {
      if (held.get(key[2]) !== hold || hold.pointers.size > 0) return;
      const now = framesRun();
      if (now !== null && now === hold.since) {
        requestAnimationFrame(letGo);
        return;
      }
      up(hold);
    };
    letGo();
  }

  function up(hold) {
    held.delete(hold.key[2]);
    hold.button.classList.remove('held');
    sendKey('keyup', hold.key);
  }

  // Every key held on screen goes up at once.
  function releaseAll() {
    for (const hold of [...held.values()]) up(hold);
  }

  function makeButton(key) {
    const [help, shown, , , , does] = key;
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = shown;
    button.setAttribute('aria-label', `${help}: ${does}`);
    button.title = `${help}: ${does}`;
    // Each finger on a button is a pointer of its own; capturing it keeps its
    // up or cancel coming here even when the finger slides off.
    button.addEventListener('pointerdown', (event) => {
      event.preventDefault();
      if (event.button !== 0) return;
      button.setPointerCapture(event.pointerId);
      press(button, key, event.pointerId);
    });
    for (const type of ['pointerup', 'pointercancel', 'lostpointercapture'])
      button.addEventListener(type, (event) => release(key, event.pointerId));
    // Pressed without a pointer (Enter or Space on the focused button, or an
    // assistive technology): a tap.
    button.addEventListener('click', (event) => {
      if (event.detail !== 0) return;
      press(button, key, 'click');
      release(key, 'click');
    });
    return button;
  }

  for (const pad of kPads) {
    const group = document.createElement('div');
    group.id = pad.id;
    group.className = 'pad';
    group.setAttribute('role', 'group');
    group.setAttribute('aria-label', pad.name);
    for (const key of pad.keys) group.appendChild(key ? makeButton(key) : document.createElement('span'));
    panel.appendChild(group);
  }
  // A long press would open the browser's menu, and a drag would select.
  panel.addEventListener('contextmenu', (event) => event.preventDefault());

  function show(on) {
    panel.hidden = !on;
    toggle.setAttribute('aria-pressed', String(on));
    if (!on) releaseAll();
  }
  toggle.hidden = false;
  const coarse = matchMedia('(pointer: coarse)');
  let chosen = false;
  show(coarse.matches);
  coarse.addEventListener('change', () => chosen || show(coarse.matches));
  toggle.addEventListener('click', () => {
    chosen = true;
    show(panel.hidden);
  });
  // Keys held when the page loses sight (a call, another app) are let go.
  window.addEventListener('blur', releaseAll);
  document.addEventListener('visibilitychange', () => document.hidden && releaseAll());
})();
