#!/usr/bin/env python3
# The web edition in headless Chromium through WebDriver: typed sessions give the native
# model's digits, keys and messages, the reference, TAB, Copy All, the temperature window,
# the phone layout, printing and working offline. Usage: test_page.py SITE REPLAY CASE
import atexit, functools, http.server, random, re, shutil, subprocess, sys, tempfile, threading, time
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

REPLAY = None  # the native model's replay program
KEYS = {'E': Keys.ENTER, 'B': Keys.BACKSPACE}
RANGE_HZ = 'Entry out of range.  Value must be between  1 and  100000'


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class Server(http.server.ThreadingHTTPServer):
    def handle_error(self, *args):  # a browser that quits mid-transfer
        pass


def scratch():  # a private folder, removed at the end
    path = tempfile.mkdtemp()
    atexit.register(shutil.rmtree, path, True)
    return path


def serve(folder):
    server = Server(('127.0.0.1', 0), functools.partial(Quiet, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return f'http://127.0.0.1:{server.server_port}/'


def start(url, width=1024, height=768, mobile=False):
    o = webdriver.ChromeOptions()
    for flag in ('--headless --no-sandbox --disable-gpu --disable-quic --no-first-run '
                 '--disable-background-networking --disable-component-update --disable-sync').split():
        o.add_argument(flag)
    o.add_argument('--user-data-dir=' + scratch())
    o.add_argument(f'--window-size={width},{height}')
    d = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=o)
    if mobile:
        d.execute_cdp_cmd('Emulation.setDeviceMetricsOverride',
                          {'width': width, 'height': height, 'deviceScaleFactor': 1, 'mobile': True})
    load(d, url)
    return d


def load(d, url=None):
    d.get(url) if url else d.refresh()
    for _ in range(100):
        if d.execute_script('return document.documentElement.dataset.ready'):
            return
        time.sleep(0.05)
    raise AssertionError('the page did not start')


def js(d, script, *args):
    return d.execute_script('return ' + script, *args)


def by_id(d, name):
    return d.find_element(By.ID, name)


def press(d, token):
    chain = ActionChains(d)
    if token == 'S':  # SHIFT+TAB
        chain.key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT)
    elif token[0] == '^' and len(token) == 2:  # CTRL with a key
        chain.key_down(Keys.CONTROL).send_keys(token[1]).key_up(Keys.CONTROL)
    else:
        chain.send_keys(KEYS.get(token, token))
    chain.perform()


def type_keys(d, keys):
    """Types key by key; every message is read and closed with ENTER as a user would."""
    said = []
    for token in re.findall(r'\^.|.', keys):
        press(d, token)
        while js(d, "document.getElementById('message').open"):
            assert js(d, "document.activeElement.id") == 'messageOk'
            said.append(js(d, "document.getElementById('messageText').textContent"))
            ActionChains(d).send_keys(Keys.ENTER).perform()
    return said


def type_into(d, box, keys):
    js(d, 'arguments[0].focus()', by_id(d, box))
    return type_keys(d, keys)


def state(d):
    return js(d, "amplora.converter.inputs.map(e => e.value).concat("
                 "amplora.converter.inputs.map(e => e.disabled ? '0' : '1').join(''))")


def random_keys(rng):
    keys = ''.join(rng.choice('0123456789') for _ in range(rng.randint(1, 5)))
    for extra, chance in (('.', 0.4), ('-', 0.1), ('x', 0.08), ('B', 0.1), ('.', 0.05)):
        if rng.random() < chance:
            at = rng.randint(0, len(keys))
            keys = keys[:at] + extra + keys[at:]
    return keys + ('E' if rng.random() < 0.85 else '')


def differential(d, url):
    rng, lines, web = random.Random(25), [], []
    for _ in range(300):
        by_id(d, 'Command2').click()
        reference = rng.choice(['us', 'iso'])
        if reference == 'iso':
            by_id(d, 'OptdBISO').click()
        steps, said = [reference], []
        for _ in range(rng.randint(2, 5)):
            open_boxes = [i for i, on in enumerate(state(d)[-1]) if on == '1']
            box, keys = rng.choice(open_boxes), random_keys(rng)
            said += type_into(d, js(d, 'amplora.converter.inputs[arguments[0]].id', box), keys)
            steps.append(f'{box}:{keys}')
        lines.append(' '.join(steps))
        web.append('\t'.join(state(d)) + '\t' + ''.join(m + '|' for m in said))
    native = subprocess.run([REPLAY], input='\n'.join(lines) + '\n', capture_output=True,
                            text=True, check=True).stdout.splitlines()
    for session, want, got in zip(lines, native, web):
        assert want == got, f'{session}\n native {want!r}\n web    {got!r}'
    assert len(native) == len(web) == 300


def keys(d, url):
    # box, keys, the text then, the messages, whether the last key was refused with the cue
    rows = [('txtHZ', 'x', '', [], True),
            ('txtHZ', '5^v', '5', [], True),  # CTRL+V types a control character
            ('txtHZ', '100001', '10000', [RANGE_HZ], False),
            ('txtHZ', '50.5.', '50.5', [], True),
            ('txtHZ', '-', '', [RANGE_HZ], True),  # the message, then the beep
            ('txtHZ', '5E', '5.0', [], False)]
    for box, typed, text, messages, cue in rows:
        load(d)
        said = type_into(d, box, typed)
        assert said == messages, (typed, said)
        assert by_id(d, box).get_attribute('value') == text, typed
        assert js(d, 'document.activeElement.id') == box  # the message gave the focus back
        assert js(d, "document.activeElement.classList.contains('refused')") == cue, typed
    assert js(d, "document.getElementById('message').getAttribute('role')") == 'alertdialog'
    assert by_id(d, 'txtHZ').get_attribute('inputmode') == 'decimal'


def reference(d, url):
    captions = "['Label5','Label6','Label13','Label14'].map(n => document.getElementById(n).hidden)"
    assert js(d, captions) == [False, False, True, True]
    by_id(d, 'OptdBISO').click()
    assert js(d, captions) == [True, True, False, False]
    assert by_id(d, 'txtAdB').get_attribute('aria-label').endswith('(ISO)')
    type_into(d, 'txtHZ', 'x')  # a refused key changes nothing
    assert not js(d, "document.getElementById('Frame1').disabled")
    type_into(d, 'txtHZ', '5')
    assert js(d, "document.getElementById('Frame1').disabled")
    by_id(d, 'Command2').click()
    assert js(d, "[OptdBUS.checked, Frame1.disabled, document.activeElement.id]") == [True, False, 'txtHZ']
    assert js(d, captions) == [False, False, True, True]


def tab_order(d, url):
    def order(n):
        js(d, 'txtHZ.focus()')
        seen = []
        for _ in range(n):
            ActionChains(d).send_keys(Keys.TAB).perform()
            seen.append(js(d, 'document.activeElement.id'))
        return seen
    assert order(5) == ['txtCPM', 'OptdBUS', 'Picture1', 'Picture2', 'Command2']
    type_into(d, 'txtHZ', '50E')
    assert order(14) == js(d, 'amplora.converter.table.map(b => b.id)')[1:] + ['Picture1', 'Picture2', 'Command2']


def copy_all(d, url):
    d.execute_cdp_cmd('Browser.grantPermissions', {'origin': url.rstrip('/'),
                      'permissions': ['clipboardReadWrite', 'clipboardSanitizedWrite']})
    type_into(d, 'txtHZ', '50E')
    type_into(d, 'txtAccGpk', '1E')
    time.sleep(0.1)
    said = js(d, "[announce.textContent, announce.getAttribute('aria-live')]")
    ActionChains(d).key_down(Keys.CONTROL).key_down(Keys.SHIFT).send_keys('c').key_up(Keys.SHIFT).key_up(Keys.CONTROL).perform()
    copied = d.execute_async_script('navigator.clipboard.readText().then(arguments[0])')
    rows = [line.split('\t') for line in copied.splitlines()]
    assert [r[1] for r in rows] == state(d)[:12] and rows[2] == ['Acceleration, g, rms', '0.707']
    assert said == ['Converted: ' + '; '.join(' '.join(r) for r in rows), 'polite']
    time.sleep(0.1)
    assert js(d, 'announce.textContent') == 'Copied 12 results'


def temperature(d, url):
    ActionChains(d).key_down(Keys.ALT).send_keys('t').key_up(Keys.ALT).perform()
    assert js(d, '[Temperature.open, document.activeElement.id]') == [True, 'degF']
    for box, typed, other, want in [('degC', '100E', 'degF', '212.0'), ('degF', '98.6E', 'degC', '37.0'),
                                    ('degC', '20S', 'degF', '68.0')]:  # SHIFT+TAB leaves
        type_into(d, box, typed)
        assert by_id(d, other).get_attribute('value') == want
    time.sleep(0.1)  # the last ENTER's conversion was said, leaving a box says nothing
    assert js(d, 'announce.textContent') == 'Converted: Fahrenheit 98.6; Celsius 37.0'
    d.find_element(By.CSS_SELECTOR, '#Temperature [data-close]').click()
    assert js(d, '[Temperature.open, document.activeElement.id]') == [False, 'txtHZ']


def phone(d, url):
    for width, height, columns in [(360, 740, 1), (768, 1024, 2)]:
        d.quit()
        d = start(url, width, height, mobile=True)
        assert js(d, 'document.documentElement.scrollWidth') <= width
        boxes = js(d, "[...document.querySelectorAll('main input:not([type=radio]), main button, main a, "
                      ".reference label')].filter(e => e.offsetParent).map(e => e.getBoundingClientRect())"
                      ".map(r => [r.left, r.right, r.height])")
        assert all(left >= 0 and right <= width for left, right, _ in boxes), boxes
        tops = js(d, "['txtHZ','OptdBUS','txtAccGrms'].map(n => document.getElementById(n).getBoundingClientRect().top)")
        if columns == 1:
            assert all(h >= 44 for _, _, h in boxes) and tops == sorted(tops), tops
        else:
            assert js(d, 'txtAccGrms.getBoundingClientRect().left - txtHZ.getBoundingClientRect().left') > 300
    d.quit()


def print_pdf(d, url):
    type_into(d, 'txtHZ', '50E')
    pdf = __import__('base64').b64decode(d.print_page())
    assert len(re.findall(rb'/Type\s*/Page\b', pdf)) == 1


def offline(d, url):
    for _ in range(100):
        if js(d, 'navigator.serviceWorker.controller !== null'):
            break
        time.sleep(0.1)
    d.execute_cdp_cmd('Network.enable', {})
    net = {'offline': True, 'latency': 0, 'downloadThroughput': -1, 'uploadThroughput': -1}
    d.execute_cdp_cmd('Network.emulateNetworkConditions', net)
    load(d)
    type_into(d, 'txtHZ', '50E')
    assert by_id(d, 'txtCPM').get_attribute('value') == '3000.0'
    # A new version: served on the next load once the network is back.
    site = d.site
    html = open(site + '/index.html', encoding='utf-8').read()
    open(site + '/index.html', 'w', encoding='utf-8').write(html.replace('<body>', '<body data-new>'))
    worker = open(site + '/sw.js', encoding='utf-8').read()
    open(site + '/sw.js', 'w', encoding='utf-8').write(worker.replace("'amplora-", "'amplora-new-"))
    d.execute_cdp_cmd('Network.emulateNetworkConditions', dict(net, offline=False))
    load(d)
    cached = 'caches.keys().then(arguments[0])'
    for _ in range(100):  # the new worker installs and drops the old cache
        if d.execute_async_script(cached) == ['amplora-new-' + worker.split("'amplora-")[1].split("'")[0]]:
            break
        time.sleep(0.1)
    load(d)
    assert js(d, "document.body.hasAttribute('data-new')")


CASES = {'differential': differential, 'keys': keys, 'reference': reference, 'tab_order': tab_order,
         'copy_all': copy_all, 'temperature': temperature, 'phone': phone, 'print': print_pdf,
         'offline': offline}

if __name__ == '__main__':
    SITE, REPLAY, CASE = sys.argv[1:4]
    site = scratch()
    shutil.copytree(SITE, site, dirs_exist_ok=True)
    url = serve(site)
    driver = start(url)
    driver.site = site
    try:
        CASES[CASE](driver, url)
    finally:
        try:
            driver.quit()
        except Exception:
            pass
    print(f'web_{CASE}: passed')
